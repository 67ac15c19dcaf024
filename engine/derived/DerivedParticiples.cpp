// Derived forms: the infinitive, the adverbial participle, the present and the past participle.
#include "analysis/PastStems.h"
#include "analysis/PlainStems.h"
#include "analysis/VowelForms.h"
#include "derived/DerivedFormSteps.h"
#include "inflection/PastIndicative.h"
#include "text/Utf8Text.h"

namespace ragozo::derived {
namespace {

using enum ClassProperty;

// The adverbial participle's stems of the short and irregular verbs ("men",
// "jő", "lé", "fek", "té", "ví", "ev", "iv"); the bare "van", "eszik", "iszik" cut to nothing.
// The forms in use are "evve", "ivva", "megevve", not "éve", "íva".
void irregularAdverbialStem(Run& run) {
  if (run.verbEndsIn({"megy"})) {
    run.cutEntry(2, "n");
  } else if (run.verbEndsIn({"jön"})) {
    run.cutEntry(2, "ő");
  } else if (run.verbEndsIn({"van"})) {
    run.cutEntry(3, "lé", true);
  } else if (run.verbEndsIn({"fekszik", "alszik"})) {
    run.cutEntry(4);
  } else if (run.verbEndsIn({"tesz", "vesz"})) {
    run.cutEntry(3, "é");
  } else if (run.verbEndsIn({"visz", "hisz"})) {
    run.cutEntry(3, "í");
  } else if (run.verbEndsIn({"eszik"})) {
    run.cutEntry(5, "ev", true);
  } else if (run.verbEndsIn({"iszik"})) {
    run.cutEntry(5, "iv", true);
  }
}

}  // namespace

void dropUnstableVowel(Run& run) { run.cutEntry(2, rightChars(run.verb(), 1)); }

bool actionNounDropsVowel(const Run& run) {
  return run.verbEndsIn({"varázsol"}) || (run.verbEndsIn({"rabol"}) && !run.verbEndsIn({"darabol", "sarabol"}));
}

bool presentParticipleDropsVowel(const Run& run) {
  return actionNounDropsVowel(run) || run.verbEndsIn({"térdepel"});
}

void vStem(Run& run) {
  run.cutEntry(1, backOrFront(run.vowel, "ov", "öv"));
  if (run.verbEndsIn({"í"})) run.stem = run.lastCut + "ív";
  if (run.verbEndsIn({"nyű"})) run.stem = run.lastCut + "üv";
}

void infinitive(Run& run) {
  const VerbClass cls = run.cls;
  if (cls.is(infinitiveOnBaseStem)) {
    if (!cls.is(infinitiveWithoutLinkingMarker)) run.marker = backOrFront(run.vowel, "an", "en");
    run.stem = run.baseStem();
  }
  run.boxes[infinitiveBox] = run.stem + run.marker + "i";
  if (cls.is(infinitiveOnLinkingVowelStem)) {
    run.stem = linkingVowelStem(run.baseStem(), run.verb(), run.vowel);
    run.boxes[infinitiveBox] = run.stem + "ni";
  }
  if (cls.is(likeFekszik)) {
    run.stem = szikStem(run.baseStem(), run.stem, run.verb(), cls, run.vowel);
    run.boxes[infinitiveBox] = run.stem + "ni";
  }
}

void adverbialParticiple(Run& run) {
  run.stem = run.savedStem;
  if (run.cls.is(consonantFinalStem)) run.stem = run.baseStem();
  if (run.verbEndsIn({"ív"})) run.stem = dropLastChars(run.verb(), 2) + "í";  // hív: "híva"
  if (run.cls.is(irregularAdverbialParticiple)) irregularAdverbialStem(run);
  if (run.cls.is(linkingVowel)) run.stem = linkingVowelStem(run.baseStem(), run.verb(), run.vowel);
  run.writeByVowels(adverbialParticipleBox, "va", "ve");
  if (!run.source.code.usedInImperative && !run.verbEndsIn({"bocsájt"})) run.boxes[adverbialParticipleBox] = kNoSuchForm;
}

void presentParticiple(Run& run) {
  const VerbClass cls = run.cls;
  run.stem = run.savedStem;
  if (cls.is(participlesOnBaseStem)) {
    run.stem = run.baseStem();
  } else if (cls.is(unstableVowel) || presentParticipleDropsVowel(run)) {
    dropUnstableVowel(run);
  } else if (cls.is(presentParticipleVStem)) {
    if (!run.verbEndsIn({"emlékszik", "haragszik", "növekszik"})) run.cutEntry(4, "v");
  } else if (cls.is(likeLo)) {
    vStem(run);
  } else if (cls.is(likeTesz)) {
    run.cutEntry(2, "v");
    // hisz: "hívő"; with a preverb the preverb stays ("elhívő").
    if (run.verbEndsIn({"hisz"})) run.stem = dropLastChars(run.verb(), 4) + "hív";
  } else if (cls.is(likeEszik)) {
    run.cutEntry(4, "v");
  }
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4, "v");
  run.writeByVowels(presentParticipleBox, "ó", "ő");
  if (cls.is(likeAdatik)) run.boxes[presentParticipleBox] = kNoSuchForm;
}

void pastParticiple(Run& run) {
  run.stem = run.savedStem;
  const PastMarker past = pastMarker(run.cls, run.vowel);
  run.marker = past.marker;
  run.pastThird = past.pastThird;
  run.stem = pastStem(run.stem, run.baseStem(), run.verb(), run.cls);
  const VerbClass cls = run.cls;
  if (cls.is(participlesOnBaseStem)) {
    run.stem = run.baseStem();
  } else if (cls.is(unstableVowelInPast)) {
    dropUnstableVowel(run);
  } else if (cls.is(likeFekszik)) {
    run.stem = szikStem(run.baseStem(), run.stem, run.verb(), cls, run.vowel);
  } else if (cls.is(likeEszik)) {
    run.cutEntry(4, "v");
    run.pastThird = backOrFront(run.vowel, "ott", "ett");
  }
  // hí, szí: the entry less its last letter, as the present participle's v-stem left it.
  if (run.verbEndsIn({"szí", "hí"})) run.stem = run.lastCut + "ívo";
  run.boxes[pastParticipleBox] = run.stem + run.pastThird;
  run.stem = run.savedStem;
}

}  // namespace ragozo::derived
