// Derived forms: the causative verb and its exemptions.
#include "analysis/PlainStems.h"
#include "inflection/CausativeRule.h"
#include "inflection/DerivedBoxes.h"
#include "inflection/DerivedFormSteps.h"
#include "inflection/IrregularDerivedForms.h"
#include "inflection/RuleTests.h"

namespace ragozo::derived {
namespace {

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
  return run.verbEndsIn({"odik", "edik", "ödik"}) || inClassSet(run.s.classCode, {"3a", "33", "52"});
}

// The causative base: the table's stem, the base stem, or the stem with the inserted vowel.
void causativeStem(Run& run) {
  ConjugationState& s = run.s;
  s.stem = run.savedStem;
  if (inClassSet(s.classCode, consonantStemClasses)) s.stem = s.baseStem.text();
  if (inClassSet(s.classCode, {"41", "64", "87", "8d", "4a", "44", "67", "90"})) {
    bovit(s);
    if (run.verbEndsIn({"ihlik", "oszlik", "siklik"})) s.stem = s.baseStem.text();
  } else if (s.classCode == "6a") {
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
  } else if (endsWithAny(s.stem, {"tat", "tet"}) || s.causativeKind == "2") {
    if (!rootTatTet(run)) s.derivedBoxes[causativeBox] = kNoSuchForm;
  } else if (endsWithAny(s.stem, {"at", "et"}) && !endsWithAny(s.stem, {"gat", "get", "hat", "het"})) {
    atlista(s);
    if (s.rootAtEt != 1) s.derivedBoxes[causativeBox] = kNoSuchForm;
  }
}

}  // namespace

void causativeVerb(Run& run) {
  ConjugationState& s = run.s;
  causativeStem(run);
  fact(s);
  if (run.verbEndsIn({"fekszik", "alszik"})) run.cutEntry(4);
  const bool shortSuffix = causativeKindIs(s, 1);
  // An unstable vowel drops before -at/-et ("forog": forgat, "görög": görget).
  if (shortSuffix && inClassSet(s.classCode, unstableVowelClasses)) dropUnstableVowel(run);
  if (s.vowelClass == VowelClass::back) {
    s.derivedBoxes[causativeBox] = s.stem + (shortSuffix ? "at" : "tat");
  } else if (knownVowelClass(s)) {
    s.derivedBoxes[causativeBox] = s.stem + (shortSuffix ? "et" : "tet");
  }
  // hí, szí, nyű: the entry less its last letter, as the class-24 v-stem of the noun left it.
  if (run.verbEndsIn({"szí", "hí"})) s.derivedBoxes[causativeBox] = s.cutResult.text() + "ívat";
  if (run.verbEndsIn({"nyű"})) s.derivedBoxes[causativeBox] = s.cutResult.text() + "üvet";
  if (inClassSet(s.classCode, {"25", "37", "83", "99"})) kivetel(s);
  applyExemptions(run);
}

}  // namespace ragozo::derived
