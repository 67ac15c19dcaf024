// Derived forms: the action noun with the future participle, and the potential verb.
#include "analysis/PlainStems.h"
#include "analysis/VowelForms.h"
#include "derived/DerivedFormSteps.h"
#include "derived/IrregularDerivedForms.h"
#include "text/Utf8Text.h"

namespace ragozo::derived {
namespace {

using enum ClassProperty;

// Whether the future participle stands before the -dik/-tik test: for verbs
// used in the objective conjugation, for the usage that keeps it, for
// "születik", and for every verb while the objective conjugation is shown anyway.
bool futureParticipleStands(const Run& run) {
  const VerbCode& code = run.source.code;
  return code.futureParticipleByUsage || code.usedObjectively || run.source.objectiveAnyway ||
         run.verbEndsIn({"születik"});
}

}  // namespace

void actionNounAndFutureParticiple(Run& run) {
  const VerbClass cls = run.cls;
  run.stem = run.savedStem;
  if (cls.is(participlesOnBaseStem)) {
    run.stem = run.baseStem();
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
  if (run.vowel == back) {
    run.boxes[actionNounBox] = run.stem + "ás";
    if (endsWith(run.stem, "gyanakv")) run.stem = run.lastCut + "od";
    run.boxes[futureParticipleBox] = run.stem + "andó";
  } else {
    run.boxes[actionNounBox] = run.stem + "és";
    if (endsWithAny(run.stem, {"cselekv", "dicsekv", "törekv"})) run.stem = run.lastCut + "ed";
    run.boxes[futureParticipleBox] = run.stem + "endő";
  }

  if (actionNounDropsVowel(run)) {
    dropUnstableVowel(run);
    run.writeByVowels(actionNounBox, "ás", "és");
  }

  if (!futureParticipleStands(run)) run.boxes[futureParticipleBox] = kNoSuchForm;
  if (run.verbEndsIn({"dik"}) || (run.verbEndsIn({"tik"}) && !run.verbEndsIn({"születik"}))) {
    run.boxes[futureParticipleBox] = kNoSuchForm;
  }
}

void potentialVerb(Run& run) {
  const VerbClass cls = run.cls;
  run.stem = run.savedStem;
  if (cls.is(consonantFinalStem)) run.stem = run.baseStem();
  if (cls.is(linkingVowel)) run.stem = linkingVowelStem(run.baseStem(), run.verb(), run.vowel);
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4);
  run.writeByVowels(potentialBox, "hat", "het");
  if (cls.is(fixedIrregularForms)) writeIrregularDerivedForms(run.boxes, run.verb());
  if (cls.is(likeAdatik)) run.boxes[potentialBox] += "ik";  // adatik: "adathatik"
  if (!run.source.code.usedInImperative && !run.verbEndsIn({"bocsájt"})) run.boxes[potentialBox] = kNoSuchForm;
}

}  // namespace ragozo::derived
