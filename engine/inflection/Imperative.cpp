// The imperative marker, stems and endings.
#include "inflection/Imperative.h"

#include "analysis/Alapszik.h"
#include "analysis/Cutters.h"
#include "analysis/ImperativeStems.h"
#include "analysis/PlainStems.h"
#include "analysis/SecondStems.h"
#include "inflection/PersonalEndings.h"
#include "inflection/RuleTests.h"

namespace ragozo {
namespace {

constexpr PersonalEndings kBack = {"ak", "am", "ál", "ad", "on", "a", "unk", "uk", "atok", "átok", "anak", "ák", "alak"};
constexpr PersonalEndings kFront = {"ek", "em", "él", "ed", "en", "e", "ünk", "ük", "etek", "étek", "enek", "ék", "elek"};

// `text` less `drop` letters, cut through the imperative's own work field:
// the limit is set, the text written and read back.
std::string cutImperative(ConjugationState& s, std::string_view text, int drop) {
  s.imperativeCut.setLimit(static_cast<int>(charCount(s.input())) - drop);
  s.imperativeCut.assign(text);
  return s.imperativeCut.text();
}

// The stem rule by class, first row that holds it; a class in no row keeps the stem.
void imperativeStem(ConjugationState& s, const std::string& verb) {
  const std::string& code = s.classCode;
  const std::string base = s.baseStem.text();
  if (code == "14") {
    s.stem = cutImperative(s, base, 2) + "s";
  } else if (inClassSet(code, {"16", "21", "22", "23", "29"})) {
    s.stem = cutImperative(s, base, 1) + "s";
  } else if (inClassSet(code, {"51", "74"})) {
    s.stem = cutImperative(s, verb, 3) + "s";
  } else if (code == "2a") {
    s.stem = cutImperative(s, verb, 3) + "ess";
  } else if (inClassSet(code, {"40", "63"})) {
    s.stem = cutImperative(s, verb, 3) + "d";
  } else if (inClassSet(code, sibilantIkClasses)) {
    const bool keepsZ =
        endsWithAny(verb, {"bagzik", "gamzik", "fajzik", "rajzik", "fogzik", "rögzik", "csapzik"});
    s.stem = cutImperative(s, verb, 3) + (keepsZ ? "z" : "s");
  } else if (code == "15") {
    s.stem = cutImperative(s, base, 1);
  } else if (code == "20") {
    s.stem = cutImperative(s, verb, 1) + "d";
  } else if (inClassSet(code, insertVowelClasses)) {
    tovek(s);
  } else if (code == "26") {
    sz(s);
    s.stem = s.cutResult.text() + "ít";
  }
}

// The marker by class; a class in none of the lists keeps the marker it has.
void imperativeMarker(ConjugationState& s) {
  const std::string& code = s.classCode;
  if (inClassSet(code, {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "24",
                     "31", "54", "77", "32", "3a", "3b", "3c", "33", "41", "64", "87", "8d",
                     "42", "65", "88", "66", "45", "68", "46", "69", "92", "47", "70", "93",
                     "48", "71", "49", "72", "95", "50", "73", "91", "96", "99", "89", "6d"})) {
    s.marker = "j";
  } else if (inClassSet(code, {"12", "13", "15", "16", "17", "23", "26", "27", "29", "39", "62", "51", "74", "85"})) {
    s.marker = "s";
  } else if (inClassSet(code, {"2a", "14", "18", "19", "20", "21", "22", "28", "30", "34", "52", "57", "6a", "4a",
                            "44", "67", "90", "80", "35", "58", "81", "36", "59", "82", "38", "61", "84", "40",
                            "63"})) {
    s.marker = "z";
  }
}

// The short stems of tesz/visz/eszik and the irregular megy, jön, van.
void shortAndIrregularStem(ConjugationState& s, const std::string& verb) {
  if (inClassSet(s.classCode, shortStemClasses)) {
    dz(s);
    s.stem = s.cutResult.text();
    s.marker = endsWith(verb, "hisz") ? "ggy" : "gy";
  } else if (s.classCode == "99") {
    if (endsWith(verb, "megy")) {
      dz(s);
      s.stem = s.cutResult.text() + "n";
    } else if (endsWith(verb, "jön")) {
      dz(s);
      s.stem = s.cutResult.text() + "öj";
    } else if (endsWith(verb, "van")) {
      s.vowelClass = VowelClass::frontUnrounded;
      cutVanEnding(s);
      s.stem = s.cutResult.text() + "le";
      s.marker = "gy";
    }
  }
}

}  // namespace

void felsz(ConjugationState& s) {
  const std::string verb = s.input();
  if (isAlapszik(verb)) {
    s.stem = alapszikStem(verb);
    s.classCode = "01";
  }
  if (endsWith(verb, "viszonylik")) {
    bovit(s);
  } else {
    imperativeStem(s, verb);
  }
  imperativeMarker(s);
  if (endsWith(verb, "izzik")) {
    sz(s);
    s.stem = s.cutResult.text();
  }
  shortAndIrregularStem(s, verb);

  if (s.vowelClass == VowelClass::back) {
    writeSlots(s.endings, s.marker, kBack);
  } else {
    writeSlots(s.endings, s.marker, kFront);
    if (s.vowelClass == VowelClass::frontRounded || endsWith(verb, "fekszik")) s.endings.sg3Subj = s.marker + "ön";
    if (endsWith(verb, "őriz")) s.endings.sg3Subj = s.marker + "en";
  }

  if (s.imperativeForms == ImperativeForms::shortForms) rov(s);
}

}  // namespace ragozo
