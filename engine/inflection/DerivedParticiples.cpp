// Derived forms: the infinitive, the adverbial participle, the present and the past participle.
#include "analysis/PastStems.h"
#include "analysis/PlainStems.h"
#include "inflection/DerivedBoxes.h"
#include "inflection/DerivedFormSteps.h"
#include "inflection/PastIndicative.h"
#include "inflection/RuleTests.h"

namespace ragozo::derived {
namespace {

using enum ClassProperty;

// Writes a box with the back or the front form.
void writeByVowels(ConjugationState& s, int box, std::string_view back, std::string_view front) {
  s.derivedBoxes[box] = s.stem + std::string(backOrFront(s, back, front));
}

// The adverbial participle's stems of the short and irregular verbs ("men",
// "jő", "lé", "fek", "té", "ví", "é", "í"); the bare "van", "eszik", "iszik" cut to nothing.
void irregularAdverbialStem(Run& run) {
  ConjugationState& s = run.s;
  if (run.verbEndsIn({"megy"})) {
    run.cutEntry(2, "n");
  } else if (run.verbEndsIn({"jön"})) {
    run.cutEntry(2, "ő");
  } else if (run.verbEndsIn({"van"})) {
    s.emptyCutFlag = true;
    run.cutEntry(3, "lé");
  } else if (run.verbEndsIn({"fekszik", "alszik"})) {
    run.cutEntry(4);
  } else if (run.verbEndsIn({"tesz", "vesz"})) {
    run.cutEntry(3, "é");
  } else if (run.verbEndsIn({"visz", "hisz"})) {
    run.cutEntry(3, "í");
  } else if (run.verbEndsIn({"eszik"})) {
    s.emptyCutFlag = true;
    run.cutEntry(5, "é");
  } else if (run.verbEndsIn({"iszik"})) {
    s.emptyCutFlag = true;
    run.cutEntry(5, "í");
  }
}

}  // namespace

void dropUnstableVowel(Run& run) { run.cutEntry(2, rightChars(run.verb, 1)); }

bool actionNounDropsVowel(const Run& run) {
  return run.verbEndsIn({"varázsol"}) || (run.verbEndsIn({"rabol"}) && !run.verbEndsIn({"darabol", "sarabol"}));
}

bool presentParticipleDropsVowel(const Run& run) {
  return actionNounDropsVowel(run) || run.verbEndsIn({"térdepel"});
}

void vStem(Run& run) {
  ConjugationState& s = run.s;
  run.cutEntry(1, backOrFront(s, "ov", "öv"));
  if (run.verbEndsIn({"í"})) s.stem = s.cutResult.text() + "ív";
  if (run.verbEndsIn({"nyű"})) s.stem = s.cutResult.text() + "üv";
}

void infinitive(Run& run) {
  ConjugationState& s = run.s;
  const VerbClass cls = s.verbClass;
  if (cls.is(infinitiveOnBaseStem)) {
    if (!cls.is(infinitiveWithoutLinkingMarker)) s.marker = backOrFront(s, "an", "en");
    s.stem = s.baseStem.text();
  }
  s.derivedBoxes[infinitiveBox] = s.stem + s.marker + "i";
  if (cls.is(infinitiveOnLinkingVowelStem)) {
    bovit(s);
    s.derivedBoxes[infinitiveBox] = s.stem + "ni";
  }
  if (cls.is(likeFekszik)) {
    bovit2(s);
    s.derivedBoxes[infinitiveBox] = s.stem + "ni";
  }
}

void adverbialParticiple(Run& run) {
  ConjugationState& s = run.s;
  s.stem = run.savedStem;
  if (s.verbClass.is(consonantFinalStem)) s.stem = s.baseStem.text();
  if (run.verbEndsIn({"ív"})) s.stem = dropLastChars(run.verb, 2) + "í";  // hív: "híva"
  if (s.verbClass.is(irregularAdverbialParticiple)) irregularAdverbialStem(run);
  if (s.verbClass.is(linkingVowelStem)) bovit(s);
  writeByVowels(s, adverbialParticipleBox, "va", "ve");
  if (!s.code.usedInImperative && !run.verbEndsIn({"bocsájt"})) s.derivedBoxes[adverbialParticipleBox] = kNoSuchForm;
}

void presentParticiple(Run& run) {
  ConjugationState& s = run.s;
  const VerbClass cls = s.verbClass;
  s.stem = run.savedStem;
  if (cls.is(participlesOnBaseStem)) {
    s.stem = s.baseStem.text();
  } else if (cls.is(unstableVowel) || presentParticipleDropsVowel(run)) {
    dropUnstableVowel(run);
  } else if (cls.is(presentParticipleVStem)) {
    if (!run.verbEndsIn({"emlékszik", "haragszik", "növekszik"})) run.cutEntry(4, "v");
  } else if (cls.is(likeLo)) {
    vStem(run);
  } else if (cls.is(likeTesz)) {
    run.cutEntry(2, "v");
    // hisz: "hívő"; with a preverb the preverb stays ("elhívő").
    if (run.verbEndsIn({"hisz"})) s.stem = dropLastChars(run.verb, 4) + "hív";
  } else if (cls.is(likeEszik)) {
    run.cutEntry(4, "v");
  }
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4, "v");
  s.derivedBoxes[presentParticipleBox] = s.stem + std::string(backOrFront(s, "ó", "ő"));
  if (cls.is(likeAdatik)) s.derivedBoxes[presentParticipleBox] = kNoSuchForm;
}

void pastParticiple(Run& run) {
  ConjugationState& s = run.s;
  s.stem = run.savedStem;
  multjel(s);
  multto(s);
  const VerbClass cls = s.verbClass;
  if (cls.is(participlesOnBaseStem)) {
    s.stem = s.baseStem.text();
  } else if (cls.is(unstableVowelInPast)) {
    dropUnstableVowel(run);
  } else if (cls.is(likeFekszik)) {
    bovit2(s);
  } else if (cls.is(likeEszik)) {
    run.cutEntry(4, "v");
    s.pastThird = backOrFront(s, "ott", "ett");
  }
  // hí, szí: the entry less its last letter, as the present participle's v-stem left it.
  if (run.verbEndsIn({"szí", "hí"})) s.stem = s.cutResult.text() + "ívo";
  s.derivedBoxes[pastParticipleBox] = s.stem + s.pastThird;
  s.stem = run.savedStem;
}

}  // namespace ragozo::derived
