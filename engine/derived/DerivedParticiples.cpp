// Derived forms: the infinitive, the adverbial participle, the present and the past participle.
#include "analysis/Cutters.h"
#include "analysis/PastStems.h"
#include "analysis/PlainStems.h"
#include "analysis/VowelForms.h"
#include "derived/DerivedFormRules.h"
#include "inflection/PastIndicative.h"
#include "text/Utf8Text.h"

namespace ragozo::derived {
namespace {

using enum ClassProperty;

// The adverbial participle's stems of the short and irregular verbs ("men",
// "jő", "lé", "fek", "té", "ví", "ev", "iv"); the bare "van", "eszik", "iszik" cut to nothing.
// The forms in use are "evve", "ivva", "megevve", not "éve", "íva".
std::optional<std::string> irregularAdverbialStem(const Verb& verb) {
  if (verb.endsIn({"megy"})) return verb.entryLess(2) + "n";
  if (verb.endsIn({"jön"})) return verb.entryLess(2) + "ő";
  if (verb.endsIn({"van"})) return cutEndBareToNothing(verb.entry, 3) + "lé";
  if (verb.endsIn({"fekszik", "alszik"})) return verb.entryLess(4);
  if (verb.endsIn({"tesz", "vesz"})) return verb.entryLess(3) + "é";
  if (verb.endsIn({"visz", "hisz"})) return verb.entryLess(3) + "í";
  if (verb.endsIn({"eszik"})) return cutEndBareToNothing(verb.entry, 5) + "ev";
  if (verb.endsIn({"iszik"})) return cutEndBareToNothing(verb.entry, 5) + "iv";
  return std::nullopt;
}

}  // namespace

std::string dropUnstableVowel(const Verb& verb) { return verb.entryLess(2) + rightChars(verb.entry, 1); }

bool actionNounDropsVowel(const Verb& verb) {
  return verb.endsIn({"varázsol"}) || (verb.endsIn({"rabol"}) && !verb.endsIn({"darabol", "sarabol"}));
}

bool presentParticipleDropsVowel(const Verb& verb) { return actionNounDropsVowel(verb) || verb.endsIn({"térdepel"}); }

std::string vStem(const Verb& verb) {
  if (verb.endsIn({"í"})) return verb.entryLess(1) + "ív";
  if (verb.endsIn({"nyű"})) return verb.entryLess(1) + "üv";
  return verb.entryLess(1) + std::string(backOrFront(verb.vowel, "ov", "öv"));
}

std::string infinitive(const Verb& verb, const ConditionalStem& conditional) {
  const VerbClass cls = verb.cls;
  std::string stem = conditional.stem;
  std::string marker = conditional.marker;
  if (cls.is(infinitiveOnBaseStem)) {
    if (!cls.is(infinitiveWithoutLinkingMarker)) marker = backOrFront(verb.vowel, "an", "en");
    stem = verb.baseStem;
  }
  std::string text = stem + marker + "i";
  if (cls.is(infinitiveOnLinkingVowelStem)) {
    stem = linkingVowelStem(verb.baseStem, verb.entry, verb.vowel);
    text = stem + "ni";
  }
  if (cls.is(likeFekszik)) {
    stem = szikStem(verb.baseStem, stem, verb.entry, cls, verb.vowel);
    text = stem + "ni";
  }
  return text;
}

std::string adverbialParticiple(const Verb& verb) {
  if (!verb.code.usedInImperative && !verb.endsIn({"bocsájt"})) return kNoSuchForm;
  std::string stem(verb.stem);
  if (verb.endsIn({"ív"})) stem = dropLastChars(verb.entry, 2) + "í";  // hív: "híva"
  if (verb.cls.is(irregularAdverbialParticiple)) {
    if (std::optional<std::string> irregular = irregularAdverbialStem(verb)) stem = std::move(*irregular);
  }
  if (verb.cls.is(linkingVowel)) stem = linkingVowelStem(verb.baseStem, verb.entry, verb.vowel);
  return verb.suffixed(std::move(stem), "va", "ve");
}

std::string presentParticiple(const Verb& verb) {
  const VerbClass cls = verb.cls;
  if (cls.is(likeAdatik)) return kNoSuchForm;
  std::string stem(verb.stem);
  if (cls.is(participlesOnBaseStem)) {
    stem = verb.baseStem;
  } else if (cls.is(unstableVowel) || presentParticipleDropsVowel(verb)) {
    stem = dropUnstableVowel(verb);
  } else if (cls.is(presentParticipleVStem)) {
    if (!verb.endsIn({"emlékszik", "haragszik", "növekszik"})) stem = verb.entryLess(4) + "v";
  } else if (cls.is(likeLo)) {
    stem = vStem(verb);
  } else if (cls.is(likeTesz)) {
    stem = verb.entryLess(2) + "v";
    // hisz: "hívő"; with a preverb the preverb stays ("elhívő").
    if (verb.endsIn({"hisz"})) stem = dropLastChars(verb.entry, 4) + "hív";
  } else if (cls.is(likeEszik)) {
    stem = verb.entryLess(4) + "v";
  }
  if (verb.endsIn({"fekszik", "alszik"})) stem = verb.entryLess(4) + "v";
  return verb.suffixed(std::move(stem), "ó", "ő");
}

std::string pastParticiple(const Verb& verb) {
  const PastMarker past = pastMarker(verb.cls, verb.vowel);
  const VerbClass cls = verb.cls;
  std::string pastThird = past.pastThird;
  std::string stem = pastStem(verb.stem, verb.baseStem, verb.entry, cls);
  if (cls.is(participlesOnBaseStem)) {
    stem = verb.baseStem;
  } else if (cls.is(unstableVowelInPast)) {
    stem = dropUnstableVowel(verb);
  } else if (cls.is(likeFekszik)) {
    stem = szikStem(verb.baseStem, stem, verb.entry, cls, verb.vowel);
  } else if (cls.is(likeEszik)) {
    stem = verb.entryLess(4) + "v";
    pastThird = backOrFront(verb.vowel, "ott", "ett");
  }
  // hí, szí: on the v-stem ("hívott", "szívott").
  if (verb.endsIn({"szí", "hí"})) stem = vStem(verb) + "o";
  return stem + pastThird;
}

}  // namespace ragozo::derived
