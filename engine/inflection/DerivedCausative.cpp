// Derived forms: the causative verb and its exemptions.
#include "analysis/PlainStems.h"
#include "inflection/CausativeRule.h"
#include "inflection/DerivedBoxes.h"
#include "inflection/DerivedFormSteps.h"
#include "inflection/IrregularDerivedForms.h"
#include "inflection/RuleTests.h"

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
  return run.verbEndsIn({"odik", "edik", "ödik"}) || run.s.verbClass.is(noCausativeSzik);
}

// The causative base: the table's stem, the base stem, or the stem with the inserted vowel.
void causativeStem(Run& run) {
  ConjugationState& s = run.s;
  s.stem = run.savedStem;
  if (s.verbClass.is(consonantFinalStem)) s.stem = s.baseStem.text();
  if (s.verbClass.is(causativeOnLinkingVowelStem)) {
    bovit(s);
    if (run.verbEndsIn({"ihlik", "oszlik", "siklik"})) s.stem = s.baseStem.text();
  } else if (s.verbClass.is(likeIzzik)) {
    s.stem = run.verb;
  }
  // "tűnik", "szűnik", "bízik": the causative shortens the vowel ("eltüntet", "megszüntet", "biztat").
  if (endsWithAny(s.stem, {"tűn", "szűn"})) s.stem = dropLastChars(s.stem, 2) + "ün";
  if (run.verbEndsIn({"bízik"})) s.stem = dropLastChars(s.stem, 2) + "iz";
}

// An entry that is already a causative, or whose code says it has none, gets
// no causative; nor does a stem in -at/-et unless that -at/-et is the root's.
void applyExemptions(Run& run) {
  ConjugationState& s = run.s;
  if (lacksCausative(run)) {
    s.derivedBoxes[causativeBox] = kNoSuchForm;
  } else if (endsWithAny(s.stem, {"tat", "tet"}) || s.causativeKind == CausativeKind::noCausative) {
    if (!rootTatTet(run)) s.derivedBoxes[causativeBox] = kNoSuchForm;
  } else if (endsWithAny(s.stem, {"at", "et"}) && !endsWithAny(s.stem, {"gat", "get", "hat", "het"})) {
    atlista(s);
    if (!s.rootAtEt) s.derivedBoxes[causativeBox] = kNoSuchForm;
  }
}

}  // namespace

void causativeVerb(Run& run) {
  ConjugationState& s = run.s;
  causativeStem(run);
  fact(s);
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4);
  const bool shortSuffix = s.causativeKind == CausativeKind::shortSuffix;
  // An unstable vowel drops before -at/-et ("forog": forgat, "görög": görget).
  if (shortSuffix && s.verbClass.is(unstableVowel)) dropUnstableVowel(run);
  if (s.vowelClass == VowelClass::back) {
    s.derivedBoxes[causativeBox] = s.stem + (shortSuffix ? "at" : "tat");
  } else {
    s.derivedBoxes[causativeBox] = s.stem + (shortSuffix ? "et" : "tet");
  }
  // hí, szí, nyű: the entry less its last letter, as the v-stem of the noun left it.
  if (run.verbEndsIn({"szí", "hí"})) s.derivedBoxes[causativeBox] = s.cutResult.text() + "ívat";
  if (run.verbEndsIn({"nyű"})) s.derivedBoxes[causativeBox] = s.cutResult.text() + "üvet";
  if (s.verbClass.is(fixedIrregularForms)) kivetel(s);
  applyExemptions(run);
}

}  // namespace ragozo::derived
