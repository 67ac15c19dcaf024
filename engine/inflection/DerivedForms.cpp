// The frame of the derived forms: the saved stem, the order of the boxes, the closing steps.
#include "inflection/DerivedForms.h"

#include "analysis/Alapszik.h"
#include "analysis/ConditionalStems.h"
#include "analysis/Cutters.h"
#include "display/TableBlanking.h"
#include "inflection/DerivedBoxes.h"
#include "inflection/DerivedFormSteps.h"
#include "inflection/RuleTests.h"

namespace ragozo {

namespace derived {

void Run::cutEntry(int drop, std::string_view tail) {
  vag(s, drop);
  s.stem = s.cutResult.text() + std::string(tail);
}

bool Run::verbEndsIn(std::initializer_list<std::string_view> endings) const { return endsWithAny(verb, endings); }

}  // namespace derived

namespace {

using enum ClassProperty;

// A potential verb keeps only its present participle; the bare "hat", a
// lexicon verb with its own final "hat" and a stripped remainder "hat" keep all.
void closingSteps(derived::Run& run) {
  ConjugationState& s = run.s;
  const bool hatIsTheVerb = run.verb == "hat" || s.remainder == "hat" || s.endsInHat;
  if (run.verbEndsIn({"hat", "het"}) && !hatIsTheVerb) al5(s);
  if (s.verbClass.is(likeLo)) {
    derived::vStem(run);
    s.derivedBoxes[causativeBox] = s.stem + std::string(backOrFront(s, "at", "et"));
  }
  if (s.causativeKind == CausativeKind::noCausative) s.derivedBoxes[causativeBox] = kNoSuchForm;
}

}  // namespace

void egyebek(ConjugationState& s) {
  derived::Run run{s, s.input(), {}};
  if (isAlapszik(run.verb)) {
    s.verbClass = kPlainClass;
    s.stem = alapszikStem(run.verb);
  }
  if (s.verbClass.is(derivedFromBaseStem)) s.stem = s.baseStem.text();
  run.savedStem = s.stem;
  ennek(s);

  derived::infinitive(run);
  derived::adverbialParticiple(run);
  derived::presentParticiple(run);
  derived::pastParticiple(run);
  derived::actionNounAndFutureParticiple(run);
  derived::potentialVerb(run);
  derived::causativeVerb(run);
  closingSteps(run);
}

}  // namespace ragozo
