// The frame of the derived forms: what every box starts from, the boxes, an irregular verb's fixed forms.
#include "derived/DerivedForms.h"

#include <optional>
#include <string>
#include <utility>

#include "analysis/ConditionalStems.h"
#include "analysis/Cutters.h"
#include "analysis/VowelForms.h"
#include "derived/DerivedFormRules.h"
#include "derived/IrregularDerivedForms.h"
#include "text/Utf8Text.h"

namespace ragozo {

namespace derived {

bool Verb::endsIn(std::initializer_list<std::string_view> endings) const { return endsWithAny(entry, endings); }

std::string Verb::entryLess(int letters) const { return cutEnd(entry, letters); }

std::string Verb::suffixed(std::string stem, std::string_view backEnding, std::string_view frontEnding) const {
  return stem.append(backOrFront(vowel, backEnding, frontEnding));
}

}  // namespace derived

namespace {

using enum ClassProperty;

// The form `fixedForm` where the verb fixes one, else the one `rule` builds, built only then.
template <typename Rule>
std::string fixedOrBuilt(const std::optional<std::string>& fixedForm, Rule rule) {
  return fixedForm ? *fixedForm : rule();
}

// An entry that is itself a potential verb (-hat/-het) keeps only its present participle, unless
// the lexicon holds it with its own final "hat".
DerivedForms keepPresentParticipleOfPotentialVerb(const DerivedSource& source, DerivedBoxes boxes) {
  if (!endsWithAny(source.verb, {"hat", "het"}) || source.verbWithOwnHat) return {std::move(boxes), false};
  DerivedBoxes kept{};
  kept[presentParticipleBox] = std::move(boxes[presentParticipleBox]);
  return {std::move(kept), true};
}

}  // namespace

DerivedForms deriveForms(const DerivedSource& source) {
  const Inflection& inflection = source.inflection;
  // The stem and class the boxes start from: the table's, after the -ik stem fixes.
  std::string stem = inflection.stems.stem;
  if (inflection.cls.is(derivedFromBaseStem)) stem = inflection.stems.baseStem;
  // The boxes go on in the conditional's vowel class; the infinitive starts from its stem and
  // marker ("lenni", "tenni").
  const ConditionalStem conditional =
      conditionalStem(stem, inflection.stems.baseStem, source.verb, inflection.cls, inflection.vowel);
  const derived::Verb verb{source.verb, stem, inflection.stems.baseStem, inflection.cls, conditional.vowel,
                           source.code};

  // An irregular verb's fixed forms stand over those the rules build; the causative weighs its own.
  const FixedDerivedForms fixed =
      verb.cls.is(fixedIrregularForms) ? irregularDerivedForms(source.verb) : FixedDerivedForms{};
  const std::string nounStem = derived::actionNounStem(verb);
  DerivedBoxes boxes;
  boxes[infinitiveBox] = fixedOrBuilt(fixed[infinitiveBox], [&] { return derived::infinitive(verb, conditional); });
  boxes[adverbialParticipleBox] =
      fixedOrBuilt(fixed[adverbialParticipleBox], [&] { return derived::adverbialParticiple(verb); });
  boxes[presentParticipleBox] =
      fixedOrBuilt(fixed[presentParticipleBox], [&] { return derived::presentParticiple(verb); });
  boxes[pastParticipleBox] = fixedOrBuilt(fixed[pastParticipleBox], [&] { return derived::pastParticiple(verb); });
  boxes[futureParticipleBox] = fixedOrBuilt(fixed[futureParticipleBox], [&] {
    return derived::futureParticiple(verb, nounStem, source.objectiveAnyway);
  });
  boxes[actionNounBox] = fixedOrBuilt(fixed[actionNounBox], [&] { return derived::actionNoun(verb, nounStem); });
  boxes[potentialBox] = fixedOrBuilt(fixed[potentialBox], [&] { return derived::potentialVerb(verb); });
  boxes[causativeBox] = derived::causativeVerb(verb, fixed[causativeBox]);

  return keepPresentParticipleOfPotentialVerb(source, std::move(boxes));
}

}  // namespace ragozo
