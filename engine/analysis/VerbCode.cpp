// The verb code's split, the class and the vowel class.
#include "analysis/VerbCode.h"

#include <string>
#include <utility>

#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// `count` characters starting `fromRight` characters before the end of `code`.
std::string rightAnchored(const std::string& code, std::size_t fromRight, std::size_t count) {
  return leftChars(rightChars(code, fromRight), count);
}

struct Meaning {
  std::string classCode;
  std::string valenceCode;
  CausativeKind causativeKind;
};

// Asks which meaning is meant; the answer's class, valence and causative kind.
Meaning askMeaning(Dialogs& dialogs, bool teved) {
  const std::string first = teved ? "'téved'  = 'nincs igaza' --> Igen" : "'ragad'  = 'tapad' --> Igen";
  const std::string second = teved ? "'téved' = 'kerül (valahova) --> Nem" : "'ragad' = 'fog (valamit) --> Nem";
  const std::string text = std::string(kMeaningQuestionPrompt) + "\r\n" + first + "\r\n" + second;
  const bool yes = dialogs.askYesNo(kMeaningQuestionTitle, text);
  constexpr CausativeKind none = CausativeKind::noCausative;
  if (teved) return yes ? Meaning{"07", "20", none} : Meaning{"01", "20", none};
  return yes ? Meaning{"01", "20", none} : Meaning{"07", "01", CausativeKind::longSuffix};
}

}  // namespace

void tordel(ConjugationState& s, Dialogs& dialogs) {
  const std::string code = s.verbCode;
  const std::string causativeDigit = rightAnchored(code, 3, 1);
  s.causativeKind = causativeKindOf(causativeDigit.size() == 1 ? causativeDigit[0] : '\0');
  s.vowelUsage = rightAnchored(code, 8, 3);
  s.noImperative = withoutImperative(s);
  s.lexiconClassCode = rightAnchored(code, 5, 2);
  s.valenceCode = rightAnchored(code, 3, 2);
  const std::string last = rightChars(code, 1);
  s.sg1To2Digit = last.size() == 1 && last[0] >= '0' && last[0] <= '9' ? last[0] - '0' : 0;

  const std::string entry = s.input();
  const bool teved = entry == "téved";
  if ((teved || endsWith(entry, "ragad")) && !s.codeSplit) {
    Meaning meaning = askMeaning(dialogs, teved);
    s.lexiconClassCode = std::move(meaning.classCode);
    s.valenceCode = std::move(meaning.valenceCode);
    s.causativeKind = meaning.causativeKind;
  }
  s.codeSplit = true;
}

void csoport(ConjugationState& s) { s.classCode = s.lexiconClassCode; }

void tipus(ConjugationState& s) {
  const std::string digit = leftChars(s.vowelUsage, 1);
  s.vowelClass = digit == "1" ? back : digit == "2" ? frontUnrounded : frontRounded;
}

}  // namespace ragozo
