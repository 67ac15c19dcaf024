// Derived forms: the action noun with the future participle, and the potential verb.
#include "analysis/PlainStems.h"
#include "inflection/DerivedBoxes.h"
#include "inflection/DerivedFormSteps.h"
#include "inflection/IrregularDerivedForms.h"
#include "inflection/RuleTests.h"

namespace ragozo::derived {
namespace {

// Whether the future participle stands before the -dik/-tik test: for verbs
// used in the objective conjugation, for the usage "02", for "születik", and
// for every verb while the objective conjugation is shown anyway.
bool futureParticipleStands(const Run& run) {
  const ConjugationState& s = run.s;
  return rightChars(s.vowelUsage, 1) == "2" || rightChars(s.valenceCode, 1) == "1" || s.objectiveAnyway == 3 ||
         run.verbEndsIn({"születik"});
}

}  // namespace

void actionNounAndFutureParticiple(Run& run) {
  ConjugationState& s = run.s;
  const std::string& code = s.classCode;
  s.stem = run.savedStem;
  if (inClassSet(code, participleStemClasses)) {
    s.stem = s.baseStem.text();
  } else if (inClassSet(code, unstableVowelClasses)) {
    dropUnstableVowel(run);
  } else if (code == "24") {
    classTwentyFourStem(run);
  } else if (code == "25") {
    run.cutEntry(2);
  } else if (inClassSet(code, {"3b", "33", "37", "83", "52"})) {
    if (!run.verbEndsIn({"emlékszik", "haragszik", "növekszik", "igyekszik"})) run.cutEntry(4, "v");
  }
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4, "v");

  // The -v- stem of the noun becomes -od-/-ed- before the future participle's
  // ending ("gyanakodandó", "cselekedendő"); the cut is still the entry less "szik".
  if (s.vowelClass == VowelClass::back) {
    s.derivedBoxes[actionNounBox] = s.stem + "ás";
    if (endsWith(s.stem, "gyanakv")) s.stem = s.cutResult.text() + "od";
    s.derivedBoxes[futureParticipleBox] = s.stem + "andó";
  } else if (knownVowelClass(s)) {
    s.derivedBoxes[actionNounBox] = s.stem + "és";
    if (endsWithAny(s.stem, {"cselekv", "dicsekv", "törekv"})) s.stem = s.cutResult.text() + "ed";
    s.derivedBoxes[futureParticipleBox] = s.stem + "endő";
  }

  if (actionNounDropsVowel(run)) {
    dropUnstableVowel(run);
    s.derivedBoxes[actionNounBox] = s.stem + std::string(backOrFront(s, "ás", "és"));
  }

  if (!futureParticipleStands(run)) s.derivedBoxes[futureParticipleBox] = kNoSuchForm;
  if (run.verbEndsIn({"dik"}) || (run.verbEndsIn({"tik"}) && !run.verbEndsIn({"születik"}))) {
    s.derivedBoxes[futureParticipleBox] = kNoSuchForm;
  }
}

void potentialVerb(Run& run) {
  ConjugationState& s = run.s;
  const std::string& code = s.classCode;
  s.stem = run.savedStem;
  if (inClassSet(code, consonantStemClasses)) s.stem = s.baseStem.text();
  if (inClassSet(code, insertVowelClasses)) bovit(s);
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4);
  if (s.vowelClass == VowelClass::back) {
    s.derivedBoxes[potentialBox] = s.stem + "hat";
  } else if (knownVowelClass(s)) {
    s.derivedBoxes[potentialBox] = s.stem + "het";
  }
  if (inClassSet(code, {"25", "37", "83", "99"})) kivetel(s);
  if (code == "51") s.derivedBoxes[potentialBox] += "ik";  // adatik: "adathatik"
  if (withoutImperative(s) && !run.verbEndsIn({"bocsájt"})) s.derivedBoxes[potentialBox] = kNoSuchForm;
}

}  // namespace ragozo::derived
