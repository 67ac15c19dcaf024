// Derived forms: the causative verb and its exemptions.
#include "analysis/PlainStems.h"
#include "derived/CausativeRule.h"
#include "derived/DerivedFormSteps.h"
#include "derived/IrregularDerivedForms.h"
#include "text/Utf8Text.h"

namespace ragozo::derived {
namespace {

using enum ClassProperty;

// Verbs whose final -tat/-tet belongs to the root, so they are not causatives already.
bool rootTatTet(const Run& run) {
  return run.verbEndsIn({"mutat", "matat", "kutat", "oktat", "vitat", "katat", "iktat", "firtat", "méltat", "vontat",
                         "biztat", "koptat", "baktat", "folytat", "nyomtat", "szoptat"});
}

// Inchoative and reflexive verbs have no causative: the -odik/-edik/-ödik verbs
// ("alkonyodik", "öregedik", "mosakodik") and the -szik verbs with a -d- or -ez-
// stem ("melegszik", "haragszik", "igyekszik"), bar the few that have one.
bool lacksCausative(const Run& run) {
  if (run.verbEndsIn({"gondolkodik", "működik", "közlekedik", "emlékszik"})) return false;
  return run.verbEndsIn({"odik", "edik", "ödik"}) || run.cls.is(noCausativeSzik);
}

// The causative base: the table's stem, the base stem, or the stem with the inserted vowel.
void causativeStem(Run& run) {
  run.stem = run.savedStem;
  if (run.cls.is(consonantFinalStem)) run.stem = run.baseStem();
  if (run.cls.is(causativeOnLinkingVowelStem)) {
    run.stem = linkingVowelStem(run.baseStem(), run.verb(), run.vowel);
    if (run.verbEndsIn({"ihlik", "oszlik", "siklik"})) run.stem = run.baseStem();
  } else if (run.cls.is(likeIzzik)) {
    run.stem = run.verb();
  }
  // "tűnik", "szűnik", "bízik": the causative shortens the vowel ("eltüntet", "megszüntet", "biztat").
  if (endsWithAny(run.stem, {"tűn", "szűn"})) run.stem = dropLastChars(run.stem, 2) + "ün";
  if (run.verbEndsIn({"bízik"})) run.stem = dropLastChars(run.stem, 2) + "iz";
}

// An entry that is already a causative, or whose code says it has none, gets
// no causative; nor does a stem in -at/-et unless that -at/-et is the root's.
void applyExemptions(Run& run) {
  std::string& causative = run.boxes[causativeBox];
  if (lacksCausative(run)) {
    causative = kNoSuchForm;
  } else if (endsWithAny(run.stem, {"tat", "tet"}) || run.causativeKind == CausativeKind::noCausative) {
    if (!rootTatTet(run)) causative = kNoSuchForm;
  } else if (endsWithAny(run.stem, {"at", "et"}) && !endsWithAny(run.stem, {"gat", "get", "hat", "het"})) {
    if (!hasRootAtEt(run.verb())) causative = kNoSuchForm;
  }
}

}  // namespace

void causativeVerb(Run& run) {
  causativeStem(run);
  run.causativeKind = causativeKindOfStem(run.causativeKind, run.baseStem(), run.verb());
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4);
  const bool shortSuffix = run.causativeKind == CausativeKind::shortSuffix;
  // An unstable vowel drops before -at/-et ("forog": forgat, "görög": görget).
  if (shortSuffix && run.cls.is(unstableVowel)) dropUnstableVowel(run);
  run.writeByVowels(causativeBox, shortSuffix ? "at" : "tat", shortSuffix ? "et" : "tet");
  // hí, szí, nyű: the entry less its last letter, as the v-stem of the noun left it.
  if (run.verbEndsIn({"szí", "hí"})) run.boxes[causativeBox] = run.lastCut + "ívat";
  if (run.verbEndsIn({"nyű"})) run.boxes[causativeBox] = run.lastCut + "üvet";
  if (run.cls.is(fixedIrregularForms)) writeIrregularDerivedForms(run.boxes, run.verb());
  applyExemptions(run);
}

}  // namespace ragozo::derived
