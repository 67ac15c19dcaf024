// Derived forms: the action noun with the future participle, and the potential verb.
#include "analysis/PlainStems.h"
#include "inflection/DerivedBoxes.h"
#include "inflection/DerivedFormSteps.h"
#include "inflection/IrregularDerivedForms.h"
#include "inflection/RuleTests.h"

namespace ragozo::derived {
namespace {

using enum ClassProperty;

// Whether the future participle stands before the -dik/-tik test: for verbs
// used in the objective conjugation, for the usage "02", for "születik", and
// for every verb while the objective conjugation is shown anyway.
bool futureParticipleStands(const Run& run) {
  const ConjugationState& s = run.s;
  return s.code.futureParticipleByUsage || s.code.usedObjectively || s.objectiveAnyway ||
         run.verbEndsIn({"születik"});
}

}  // namespace

void actionNounAndFutureParticiple(Run& run) {
  ConjugationState& s = run.s;
  const VerbClass cls = s.verbClass;
  s.stem = run.savedStem;
  if (cls.is(participlesOnBaseStem)) {
    s.stem = s.baseStem.text();
  } else if (cls.is(unstableVowel)) {
    dropUnstableVowel(run);
  } else if (cls.is(likeLo)) {
    vStem(run);
  } else if (cls.is(likeTesz)) {
    run.cutEntry(2);
  } else if (cls.is(actionNounVStem)) {
    if (!run.verbEndsIn({"emlékszik", "haragszik", "növekszik", "igyekszik"})) run.cutEntry(4, "v");
  }
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4, "v");

  // The -v- stem of the noun becomes -od-/-ed- before the future participle's
  // ending ("gyanakodandó", "cselekedendő"); the cut is still the entry less "szik".
  if (s.vowelClass == VowelClass::back) {
    s.derivedBoxes[actionNounBox] = s.stem + "ás";
    if (endsWith(s.stem, "gyanakv")) s.stem = s.cutResult.text() + "od";
    s.derivedBoxes[futureParticipleBox] = s.stem + "andó";
  } else {
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
  const VerbClass cls = s.verbClass;
  s.stem = run.savedStem;
  if (cls.is(consonantFinalStem)) s.stem = s.baseStem.text();
  if (cls.is(linkingVowelStem)) bovit(s);
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4);
  if (s.vowelClass == VowelClass::back) {
    s.derivedBoxes[potentialBox] = s.stem + "hat";
  } else {
    s.derivedBoxes[potentialBox] = s.stem + "het";
  }
  if (cls.is(fixedIrregularForms)) kivetel(s);
  if (cls.is(likeAdatik)) s.derivedBoxes[potentialBox] += "ik";  // adatik: "adathatik"
  if (!s.code.usedInImperative && !run.verbEndsIn({"bocsájt"})) s.derivedBoxes[potentialBox] = kNoSuchForm;
}

}  // namespace ragozo::derived
