// The frame of the derived forms: the saved stem, the order of the boxes, the closing steps.
#include "derived/DerivedForms.h"

#include "analysis/ConditionalStems.h"
#include "analysis/Cutters.h"
#include "analysis/VowelForms.h"
#include "derived/DerivedFormSteps.h"
#include "text/Utf8Text.h"

namespace ragozo {

namespace derived {

void Run::cutEntry(int drop, std::string_view tail, bool bareToNothing) {
  lastCut = bareToNothing ? cutEndBareToNothing(verb(), drop) : cutEnd(verb(), drop);
  stem = lastCut + std::string(tail);
}

bool Run::verbEndsIn(std::initializer_list<std::string_view> endings) const { return endsWithAny(verb(), endings); }

void Run::writeByVowels(DerivedBox box, std::string_view backEnding, std::string_view frontEnding) {
  boxes[box] = stem + std::string(backOrFront(vowel, backEnding, frontEnding));
}

}  // namespace derived

namespace {

using enum ClassProperty;

// The v-stem verbs take their causative on it; a verb without a causative has none.
void closingSteps(derived::Run& run) {
  if (run.cls.is(likeLo)) {
    derived::vStem(run);
    run.writeByVowels(causativeBox, "at", "et");
  }
  if (run.causativeKind == CausativeKind::noCausative) run.boxes[causativeBox] = kNoSuchForm;
}

// An entry that is itself a potential verb (-hat/-het) keeps only its present participle, unless
// the lexicon holds it with its own final "hat".
DerivedForms keepPresentParticipleOfPotentialVerb(const DerivedSource& source, DerivedBoxes boxes) {
  DerivedForms forms{std::move(boxes), endsWithAny(source.verb, {"hat", "het"}) && !source.verbWithOwnHat};
  if (forms.potentialVerb) {
    for (int box = 0; box < static_cast<int>(forms.boxes.size()); ++box) {
      if (box != presentParticipleBox) forms.boxes[box].clear();
    }
  }
  return forms;
}

}  // namespace

DerivedForms deriveForms(const DerivedSource& source) {
  const Inflection& inflection = source.inflection;
  derived::Run run{source, inflection.stems.stem, {}, {}, {}, inflection.cls, inflection.vowel,
                   source.code.causative, {}, {}};
  if (run.cls.is(derivedFromBaseStem)) run.stem = run.baseStem();
  run.savedStem = run.stem;
  // The infinitive starts from the conditional's stem and marker ("lenni", "tenni").
  const ConditionalStem conditional =
      conditionalStem(run.stem, run.baseStem(), "", source.verb, run.cls, run.vowel);
  run.stem = conditional.stem;
  run.marker = conditional.marker;
  run.vowel = conditional.vowel;

  derived::infinitive(run);
  derived::adverbialParticiple(run);
  derived::presentParticiple(run);
  derived::pastParticiple(run);
  derived::actionNounAndFutureParticiple(run);
  derived::potentialVerb(run);
  derived::causativeVerb(run);
  closingSteps(run);

  return keepPresentParticipleOfPotentialVerb(source, std::move(run.boxes));
}

}  // namespace ragozo
