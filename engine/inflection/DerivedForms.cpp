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

// The classes whose derived forms start from the base stem rather than the table's stem.
bool startsFromBaseStem(std::string_view code) {
  return inClassSet(code, {"2a", "34", "6a", "57", "80", "35", "58", "81", "36", "59", "82", "40", "63", "86", "51",
                           "74", "97", "89", "42"});
}

// A potential verb keeps only its present participle; the bare "hat", a
// lexicon verb with its own final "hat" and a stripped remainder "hat" keep all.
void closingSteps(derived::Run& run) {
  ConjugationState& s = run.s;
  if (run.verb == "hat") s.remainder = "hat";
  if (run.verbEndsIn({"hat", "het"}) && s.remainder != "hat" && !s.endsInHat) al5(s);
  if (s.classCode == "24") {
    derived::classTwentyFourStem(run);
    s.derivedBoxes[causativeBox] = s.stem + std::string(backOrFront(s, "at", "et"));
  }
  if (s.causativeKind == CausativeKind::noCausative) s.derivedBoxes[causativeBox] = kNoSuchForm;
}

}  // namespace

void egyebek(ConjugationState& s) {
  derived::Run run{s, s.input(), {}};
  if (isAlapszik(run.verb)) {
    s.classCode = "01";
    s.stem = alapszikStem(run.verb);
  }
  if (startsFromBaseStem(s.classCode)) s.stem = s.baseStem.text();
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
