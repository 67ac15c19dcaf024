// Derived forms: the causative verb and its exemptions.
#include "analysis/PlainStems.h"
#include "derived/CausativeRule.h"
#include "derived/DerivedFormRules.h"
#include "text/Utf8Text.h"

namespace ragozo::derived {
namespace {

using enum ClassProperty;

// Verbs whose final -tat/-tet belongs to the root, so they are not causatives already.
bool hasRootTatTet(const Verb& verb) {
  return verb.endsIn({"mutat", "matat", "kutat", "oktat", "vitat", "katat", "iktat", "firtat", "méltat", "vontat",
                      "biztat", "koptat", "baktat", "folytat", "nyomtat", "szoptat"});
}

// Inchoative and reflexive verbs have no causative: the -odik/-edik/-ödik verbs
// ("alkonyodik", "öregedik", "mosakodik") and the -szik verbs with a -d- or -ez-
// stem ("melegszik", "haragszik", "igyekszik"), bar the few that have one.
bool lacksCausative(const Verb& verb) {
  if (verb.endsIn({"gondolkodik", "működik", "közlekedik", "emlékszik"})) return false;
  return verb.endsIn({"odik", "edik", "ödik"}) || verb.cls.is(noCausativeSzik);
}

// The causative base: the present's stem, the base stem, or the stem with the inserted vowel.
std::string causativeStem(const Verb& verb) {
  std::string stem(verb.stem);
  if (verb.cls.is(causativeOnLinkingVowelStem)) {
    stem = linkingVowelStem(verb.baseStem, verb.entry, verb.vowel);
    if (verb.endsIn({"ihlik", "oszlik", "siklik"})) stem = verb.baseStem;
  } else if (verb.cls.is(likeIzzik)) {
    stem = verb.entry;
  }
  // "tűnik", "szűnik", "bízik": the causative shortens the vowel ("eltüntet", "megszüntet", "biztat").
  if (endsWithAny(stem, {"tűn", "szűn"})) stem = dropLastChars(stem, 2) + "ün";
  if (verb.endsIn({"bízik"})) stem = dropLastChars(stem, 2) + "iz";
  return stem;
}

// An entry that is already a causative gets no causative; nor does a stem in
// -at/-et unless that -at/-et is the root's.
bool isExemptFromCausative(const Verb& verb, std::string_view stem) {
  if (lacksCausative(verb)) return true;
  if (endsWithAny(stem, {"tat", "tet"})) return !hasRootTatTet(verb);
  if (endsWithAny(stem, {"at", "et"}) && !endsWithAny(stem, {"gat", "get", "hat", "het"})) {
    return !hasRootAtEt(verb.entry);
  }
  return false;
}

}  // namespace

std::string causativeVerb(const Verb& verb, const std::optional<std::string>& fixedForm) {
  const CausativeKind kind = causativeKindOfStem(verb.code.causative, verb.baseStem, verb.entry);
  // A verb without a causative has none; the v-stem verbs take theirs on it ("rovat", "lövet").
  if (kind == CausativeKind::noCausative) return kNoSuchForm;
  if (verb.cls.is(likeLo)) return verb.suffixed(vStem(verb), "at", "et");
  std::string stem = causativeStem(verb);
  if (verb.endsIn({"fekszik", "alszik"})) stem = verb.entryLess(4);
  const bool shortSuffix = kind == CausativeKind::shortSuffix;
  // An unstable vowel drops before -at/-et ("forog": forgat, "görög": görget).
  if (shortSuffix && verb.cls.is(unstableVowel)) stem = dropUnstableVowel(verb);
  if (isExemptFromCausative(verb, stem)) return kNoSuchForm;
  if (fixedForm) return *fixedForm;
  // esküszik: "esket" ("megesketi a tanút"), not the noun "esküdtet".
  if (verb.endsIn({"esküszik"})) return dropLastChars(verb.entry, 8) + "esket";
  // hí, szí, nyű outside the v-stem verbs' class: the v-stem's causative all the same.
  if (verb.endsIn({"szí", "hí"})) return vStem(verb) + "at";
  if (verb.endsIn({"nyű"})) return vStem(verb) + "et";
  return verb.suffixed(std::move(stem), shortSuffix ? "at" : "tat", shortSuffix ? "et" : "tet");
}

}  // namespace ragozo::derived
