// The conditional marker and stems.
#include "analysis/ConditionalStems.h"

#include <array>
#include <string>
#include <string_view>

#include "analysis/Alapszik.h"
#include "analysis/ClassSets.h"
#include "analysis/Cutters.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// Classes whose conditional marker is "n" straight after the stem. The -kik
// class "50" stands here with its kin "73" and "96": with a linking vowel it
// gave the plainly wrong "bukana" and "bukani" for "bukna" and "bukni".
constexpr std::array<std::string_view, 61> kCondNClasses{
    "01", "02", "05", "06", "07", "08", "11", "16", "17", "18", "19", "21", "23", "24", "2a",
    "30", "31", "32", "33", "34", "38", "39", "3a", "3b", "3c", "40", "46", "47", "48", "49",
    "4a", "50", "51", "52", "53", "54", "55", "56", "57", "61", "62", "63", "69", "70", "71",
    "73", "74", "76", "77", "78", "79", "80", "84", "85", "8d", "92", "93", "94", "96", "97",
    "99"};

// Classes whose conditional marker needs a linking vowel ("an", "en").
constexpr std::array<std::string_view, 39> kCondLinkClasses{
    "03", "04", "09", "10", "12", "13", "14", "15", "20", "22", "26", "27", "28", "29",
    "35", "36", "41", "42", "43", "44", "45", "58", "59", "64", "65", "66", "67",
    "68", "6a", "72", "81", "82", "86", "87", "88", "89", "90", "91", "95"};

void irregularStem(ConjugationState& s, const std::string& entry) {
  if (endsWith(entry, "megy")) {
    dz(s);
    s.stem = s.cutResult.text() + "n";
  } else if (endsWith(entry, "jön")) {
    dz(s);
    s.stem = s.cutResult.text() + "ön";
  } else if (endsWith(entry, "van")) {
    s.vowelClass = frontUnrounded;
    cutVanEnding(s);
    s.stem = s.cutResult.text() + "len";
  }
}

}  // namespace

void ennek(ConjugationState& s) {
  const std::string entry = s.input();
  if (isAlapszik(entry)) s.classCode = "01";
  const std::string& code = s.classCode;
  if (inClassSet(code, kCondNClasses)) {
    s.marker = 'n';
  } else if (inClassSet(code, kCondLinkClasses)) {
    if (s.vowelClass == back) {
      s.marker = "an";
    } else if (s.vowelClass == frontUnrounded || s.vowelClass == frontRounded) {
      s.marker = "en";
    }
  }
  if (inClassSet(code, shortStemClasses)) {
    dz(s);
    s.stem = s.cutResult.text();
    s.marker = "nn";
  } else if (code == "2a") {
    dz3(s);
    s.stem = s.cutResult.text() + "esz";
  } else if (code == "99") {
    irregularStem(s, entry);
  }
}

}  // namespace ragozo
