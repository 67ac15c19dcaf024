// The verb's code decoded once into what it says, and the meanings of the homonyms.
#include "analysis/VerbCode.h"

#include <string>

#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// `count` characters starting `fromRight` characters before the end of `code`.
std::string rightAnchored(std::string_view code, std::size_t fromRight, std::size_t count) {
  return leftChars(rightChars(code, fromRight), count);
}

}  // namespace

VerbCode decodeVerbCode(std::string_view code) {
  VerbCode decoded;
  decoded.beginsWithPreverb = code.starts_with('2');
  const std::string vowelUsage = rightAnchored(code, 8, 3);
  const std::string vowel = leftChars(vowelUsage, 1);
  decoded.vowelClass = vowel == "1" ? back : vowel == "2" ? frontUnrounded : frontRounded;
  const std::string usage = rightChars(vowelUsage, 2);
  if (isOneOf(usage, {"M1", "N1", "R1", "S1"})) decoded.persons = PersonsUsed::thirdPersons;
  if (usage == "O1") decoded.persons = PersonsUsed::thirdPersonSingular;
  decoded.usedInImperative = !isOneOf(usage, {"P1", "Q1", "R1", "T1"});
  decoded.futureParticipleByUsage = rightChars(vowelUsage, 1) == "2";
  decoded.verbClass = VerbClass::fromCode(rightAnchored(code, 5, 2));
  const std::string causative = rightAnchored(code, 3, 1);
  decoded.causative = causative == "1"   ? CausativeKind::shortSuffix
                      : causative == "2" ? CausativeKind::noCausative
                                         : CausativeKind::longSuffix;
  decoded.usedObjectively = rightChars(rightAnchored(code, 3, 2), 1) == "1";
  const std::string firstToSecondField = rightChars(code, 1);
  const bool isDigit = firstToSecondField.size() == 1 && firstToSecondField[0] >= '0' && firstToSecondField[0] <= '9';
  decoded.firstToSecondInBrackets = !isDigit || firstToSecondField == "0" || firstToSecondField == "2";
  return decoded;
}

bool hasTwoMeanings(std::string_view verb) { return verb == "téved" || endsWith(verb, "ragad"); }

VerbCode withMeaning(VerbCode code, std::string_view verb, Meaning meaning) {
  // 'nincs igaza' and 'fog valamit' conjugate as "ad" ("tévedett", "ragadott"), the others plainly.
  const bool firstMeaning = meaning == Meaning::first;
  if (verb == "téved") {
    code.verbClass = firstMeaning ? kLikeAdClass : kPlainClass;
    code.usedObjectively = false;
    code.causative = CausativeKind::noCausative;
  } else {
    code.verbClass = firstMeaning ? kPlainClass : kLikeAdClass;
    code.usedObjectively = !firstMeaning;
    code.causative = firstMeaning ? CausativeKind::noCausative : CausativeKind::longSuffix;
  }
  return code;
}

}  // namespace ragozo
