// The verb's code decoded once into what it says, the class and the vowel class.
#include "analysis/VerbCode.h"

#include <string>

#include "state/ConjugationState.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// `count` characters starting `fromRight` characters before the end of `code`.
std::string rightAnchored(std::string_view code, std::size_t fromRight, std::size_t count) {
  return leftChars(rightChars(code, fromRight), count);
}

bool isOneOf(std::string_view text, std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) {
    if (text == t) return true;
  }
  return false;
}

struct Meaning {
  VerbClass verbClass;
  bool usedObjectively;
  CausativeKind causative;
};

// Asks which meaning is meant; the answer's class, objective use and causative kind.
Meaning askMeaning(Dialogs& dialogs, bool teved) {
  const std::string first = teved ? "'téved'  = 'nincs igaza' --> Igen" : "'ragad'  = 'tapad' --> Igen";
  const std::string second = teved ? "'téved' = 'kerül (valahova) --> Nem" : "'ragad' = 'fog (valamit) --> Nem";
  const std::string text = std::string(kMeaningQuestionPrompt) + "\r\n" + first + "\r\n" + second;
  const bool yes = dialogs.askYesNo(kMeaningQuestionTitle, text);
  constexpr CausativeKind none = CausativeKind::noCausative;
  const VerbClass errs = VerbClass::fromCode("07");  // téved 'nincs igaza': tévedett; ragad 'fog': ragadott
  if (teved) return yes ? Meaning{errs, false, none} : Meaning{kPlainClass, false, none};
  return yes ? Meaning{kPlainClass, false, none} : Meaning{errs, true, CausativeKind::longSuffix};
}

}  // namespace

VerbCode decodeVerbCode(std::string_view code) {
  VerbCode decoded;
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
  const std::string lakLek = rightChars(code, 1);
  const bool digit = lakLek.size() == 1 && lakLek[0] >= '0' && lakLek[0] <= '9';
  decoded.firstToSecondInBrackets = !digit || lakLek == "0" || lakLek == "2";
  return decoded;
}

void tordel(ConjugationState& s, Dialogs& dialogs) {
  s.code = decodeVerbCode(s.foundCode);
  s.causativeKind = s.code.causative;
  const std::string entry = s.input();
  const bool teved = entry == "téved";
  if ((teved || endsWith(entry, "ragad")) && !s.codeSplit) {
    const Meaning meaning = askMeaning(dialogs, teved);
    s.code.verbClass = meaning.verbClass;
    s.code.usedObjectively = meaning.usedObjectively;
    s.causativeKind = meaning.causative;
  }
  s.codeSplit = true;
}

void csoport(ConjugationState& s) { s.verbClass = s.code.verbClass; }

void tipus(ConjugationState& s) { s.vowelClass = s.code.vowelClass; }

}  // namespace ragozo
