// The conditional endings.
#include "inflection/Conditional.h"

#include "analysis/Alapszik.h"
#include "analysis/ConditionalStems.h"
#include "analysis/Cutters.h"
#include "inflection/PersonalEndings.h"
#include "inflection/RuleTests.h"

namespace ragozo {
namespace {

constexpr PersonalEndings kBack = {"ék", "ám", "ál", "ád", "a", "á", "ánk", "ánk", "átok", "átok", "ának", "ák", "álak"};
constexpr PersonalEndings kFront = {"ék", "ém", "él", "éd", "e", "é", "énk", "énk", "étek", "étek", "ének", "ék", "élek"};

using enum ClassProperty;

}  // namespace

void felt(ConjugationState& s) {
  ennek(s);
  const std::string verb = s.input();
  if (s.verbClass.is(likeAranylik)) s.marker = backOrFront(s, "an", "en");
  if (endsWith(verb, "van")) {
    s.vowelClass = VowelClass::back;
    cutVanEnding(s);
    s.stem = s.cutResult.text() + "vol";
  }
  if (isAlapszik(verb)) {
    s.stem = alapszikStem(verb);
    s.verbClass = kPlainClass;
  }
  if (s.verbClass.is(likeVerzik)) {
    // The linking vowel goes in before the stem's last letter.
    const std::string last = rightChars(s.baseStem.text(), 1);
    sz(s);
    s.stem = s.cutResult.text() + std::string(formFor(s.vowelClass, "o", "e", "ö")) + last;
  }
  if (s.verbClass.is(likeIzzik)) s.stem = s.baseStem.text();
  writeSlots(s.endings, s.marker, s.vowelClass == VowelClass::back ? kBack : kFront);
}

}  // namespace ragozo
