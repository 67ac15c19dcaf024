// Derived forms: the action noun with the future participle, and the potential verb.
#include "analysis/PlainStems.h"
#include "analysis/VowelForms.h"
#include "derived/DerivedFormRules.h"
#include "text/Utf8Text.h"

namespace ragozo::derived {
namespace {

using enum ClassProperty;

// Whether the future participle stands before the -dik/-tik test: for verbs
// used in the objective conjugation, for the usage that keeps it, for
// "születik", and for every verb while the objective conjugation is shown anyway.
bool futureParticipleStands(const Verb& verb, bool objectiveAnyway) {
  const VerbCode& code = verb.code;
  return code.futureParticipleByUsage || code.usedObjectively || objectiveAnyway || verb.endsIn({"születik"});
}

}  // namespace

std::string actionNounStem(const Verb& verb) {
  const VerbClass cls = verb.cls;
  std::string stem(verb.stem);
  if (cls.is(participlesOnBaseStem)) {
    stem = verb.baseStem;
  } else if (cls.is(unstableVowel)) {
    stem = dropUnstableVowel(verb);
  } else if (cls.is(likeLo)) {
    stem = vStem(verb);
  } else if (cls.is(likeTesz)) {
    stem = verb.entryLess(2);
  } else if (cls.is(actionNounVStem)) {
    if (!verb.endsIn({"emlékszik", "haragszik", "növekszik", "igyekszik"})) stem = verb.entryLess(4) + "v";
  }
  if (verb.endsIn({"fekszik", "alszik"})) stem = verb.entryLess(4) + "v";
  return stem;
}

std::string actionNoun(const Verb& verb, std::string_view nounStem) {
  if (actionNounDropsVowel(verb)) return verb.suffixed(dropUnstableVowel(verb), "ás", "és");
  return verb.suffixed(std::string(nounStem), "ás", "és");
}

std::string futureParticiple(const Verb& verb, std::string_view nounStem, bool objectiveAnyway) {
  if (!futureParticipleStands(verb, objectiveAnyway)) return kNoSuchForm;
  if (verb.endsIn({"dik"}) || (verb.endsIn({"tik"}) && !verb.endsIn({"születik"}))) return kNoSuchForm;
  // The -v- stem of the noun becomes -od-/-ed- before the ending ("gyanakodandó", "cselekedendő").
  if (verb.vowel == back) {
    if (endsWith(nounStem, "gyanakv")) return dropLastChars(nounStem, 1) + "odandó";
    return std::string(nounStem) + "andó";
  }
  if (endsWithAny(nounStem, {"cselekv", "dicsekv", "törekv"})) return dropLastChars(nounStem, 1) + "edendő";
  return std::string(nounStem) + "endő";
}

std::string potentialVerb(const Verb& verb) {
  const VerbClass cls = verb.cls;
  if (!verb.code.usedInImperative && !verb.endsIn({"bocsájt"})) return kNoSuchForm;
  std::string stem(verb.stem);
  if (cls.is(linkingVowel)) stem = linkingVowelStem(verb.baseStem, verb.entry, verb.vowel);
  if (verb.endsIn({"fekszik", "alszik"})) stem = verb.entryLess(4);
  std::string text = verb.suffixed(std::move(stem), "hat", "het");
  if (cls.is(likeAdatik)) text += "ik";  // adatik: "adathatik"
  return text;
}

}  // namespace ragozo::derived
