// The past indicative marker and endings.
#include "inflection/PastIndicative.h"

#include "analysis/Alapszik.h"
#include "analysis/PastStems.h"
#include "inflection/PersonalEndings.h"
#include "inflection/RuleTests.h"

namespace ragozo {
namespace {

bool takesT(std::string_view code) {
  return inClassSet(code, {"01", "02", "05", "06", "11", "3c", "46", "69", "92", "47", "70", "93", "48", "71", "99"});
}

// "t" before the personal endings, a linking vowel in the third person singular.
bool takesTAndOtt(std::string_view code) {
  return inClassSet(code, {"2a", "07", "08", "09", "10", "16", "17", "18", "19", "21", "30", "31", "32", "3a",
                        "3b", "3c", "33", "54", "77", "56", "79", "34", "57", "80", "8d", "38", "61", "84",
                        "39", "62", "40", "63", "66", "4a", "50", "73", "96", "51", "74", "52", "89", "85"});
}

// The linking vowel in every person. "6d" stands with its neighbour "64"
// ("aránylottam"), so it never inherits the marker of an earlier run.
bool takesOtt(std::string_view code) {
  return inClassSet(code, {"03", "04", "6a", "12", "13", "14", "15", "20", "22", "23", "26", "27", "28", "29", "35",
                        "58", "81", "36", "59", "82", "41", "64", "87", "42", "65", "88", "44", "67", "90", "45",
                        "68", "49", "72", "91", "95", "6d"});
}

bool takesTt(std::string_view code) { return inClassSet(code, {"24", "25", "37", "60", "83"}); }

// "ott", "ett" or "ött"; any other vowel class leaves `pastThird` as it was.
void setLinkedThird(ConjugationState& s) {
  switch (s.vowelClass) {
    case VowelClass::back: s.pastThird = "ott"; break;
    case VowelClass::frontUnrounded: s.pastThird = "ett"; break;
    case VowelClass::frontRounded: s.pastThird = "ött"; break;
    default: break;
  }
}

constexpr PersonalEndings kBack = {"am", "am", "ál", "ad", "", "a", "unk", "uk", "atok", "átok", "ak", "ák", "alak"};
constexpr PersonalEndings kFront = {"em", "em", "él", "ed", "", "e", "ünk", "ük", "etek", "étek", "ek", "ék", "elek"};

}  // namespace

void multjel(ConjugationState& s) {
  if (isAlapszik(s.input())) s.classCode = "01";
  const std::string& code = s.classCode;
  if (takesT(code)) {
    s.marker = "t";
    s.pastThird = "t";
  } else if (takesTAndOtt(code)) {
    s.marker = "t";
    setLinkedThird(s);
  } else if (takesOtt(code)) {
    setLinkedThird(s);
    s.marker = s.pastThird;
  } else if (takesTt(code)) {
    s.marker = "tt";
    s.pastThird = "tt";
  }
}

void mult(ConjugationState& s) {
  multjel(s);
  writeSlots(s.endings, s.marker, s.vowelClass == VowelClass::back ? kBack : kFront);
  s.endings.sg3Subj = s.pastThird;
  multto(s);
}

}  // namespace ragozo
