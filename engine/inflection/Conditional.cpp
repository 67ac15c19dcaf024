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

// The linking vowel that class "4a" inserts before the stem's last letter.
std::string_view insertedVowel(int vowelClass) {
  switch (vowelClass) {
    case VowelClass::back: return "o";
    case VowelClass::frontUnrounded: return "e";
    case VowelClass::frontRounded: return "ö";
    default: return {};
  }
}

}  // namespace

void felt(ConjugationState& s) {
  ennek(s);
  const std::string verb = s.input();
  if (s.classCode == "6d" && knownVowelClass(s)) s.marker = backOrFront(s, "an", "en");
  if (endsWith(verb, "van")) {
    s.vowelClass = VowelClass::back;
    cutVanEnding(s);
    s.stem = s.cutResult.text() + "vol";
  }
  if (isAlapszik(verb)) {
    s.stem = alapszikStem(verb);
    s.classCode = "01";
  }
  if (s.classCode == "4a") {
    const std::string last = rightChars(s.baseStem.text(), 1);
    sz(s);
    if (knownVowelClass(s)) s.stem = s.cutResult.text() + std::string(insertedVowel(s.vowelClass)) + last;
  }
  if (s.classCode == "6a") s.stem = s.baseStem.text();
  writeSlots(s.endings, s.marker, s.vowelClass == VowelClass::back ? kBack : kFront);
}

}  // namespace ragozo
