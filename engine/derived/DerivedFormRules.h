// The rules of each derived box, shared by the files that implement them.
//
// Each box is a function of the verb and returns its text; none reads what
// another built. The values some share are built once and handed to them: the
// action noun's stem to the action noun and the future participle, the
// conditional stem and marker to the infinitive. So `deriveForms` may build
// them in any order.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/ConditionalStems.h"
#include "analysis/VerbCode.h"
#include "derived/DerivedBoxes.h"

namespace ragozo::derived {

// What every box is built from.
struct Verb {
  std::string_view entry;     // the entry as the look-up took it: trimmed, in lower case
  std::string_view stem;      // the present's stem after the -ik stem fixes, where each box starts afresh
  std::string_view baseStem;  // the entry less a final "ik", or the -szik stem that replaces it
  VerbClass cls;              // the class and the vowel class the conditional goes on in
  VowelClass vowel;
  const VerbCode& code;

  bool endsIn(std::initializer_list<std::string_view> endings) const;
  // The entry less its last `letters` letters.
  std::string entryLess(int letters) const;
  // `stem` followed by the back or the front ending.
  std::string suffixed(std::string stem, std::string_view backEnding, std::string_view frontEnding) const;
};

// The infinitive, from the conditional's stem and marker ("lenni", "tenni"); the adverbial
// participle; the present and the past participle.
std::string infinitive(const Verb& verb, const ConditionalStem& conditional);
std::string adverbialParticiple(const Verb& verb);
std::string presentParticiple(const Verb& verb);
std::string pastParticiple(const Verb& verb);

// The stem of the action noun, which the future participle is made from too ("cselekv").
std::string actionNounStem(const Verb& verb);
std::string actionNoun(const Verb& verb, std::string_view nounStem);
// `objectiveAnyway`: the objective column is shown anyway, which keeps the future participle.
std::string futureParticiple(const Verb& verb, std::string_view nounStem, bool objectiveAnyway);
std::string potentialVerb(const Verb& verb);
// `fixedForm`: the irregular verb's own causative, which the exemptions and the v-stem still overrule.
std::string causativeVerb(const Verb& verb, const std::optional<std::string>& fixedForm);

// The v-stem of lő, ró, sí, nyű ("rov", "föv", "hív", "nyüv"): the entry less its last letter and
// "ov", "öv", "ív" or "üv".
std::string vStem(const Verb& verb);
// The entry less two letters and then its last letter: the unstable vowel drops ("forg").
std::string dropUnstableVowel(const Verb& verb);
// Verbs that keep their unstable vowel in the table ("rabolok") but drop it in the
// nouns in use: the action noun ("rablás", "varázslás") and the present participle
// ("rabló", "varázsló", and "térdeplő" beside the action noun "térdepelés").
bool actionNounDropsVowel(const Verb& verb);
bool presentParticipleDropsVowel(const Verb& verb);

}  // namespace ragozo::derived
