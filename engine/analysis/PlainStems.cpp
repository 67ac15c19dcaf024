// The plain stem and the linking-vowel stems.
#include "analysis/PlainStems.h"

#include <string>

#include "analysis/ClassSets.h"
#include "analysis/Cutters.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {

void ige(ConjugationState& s) {
  const std::string entry = s.input();
  s.stem = entry;
  const int length = static_cast<int>(charCount(entry));
  if (endsWith(entry, "ik")) {
    s.baseStem.setLimit(length - 2);
    s.baseStem.assign(entry);
    s.stem = s.baseStem.text();
  } else {
    s.baseStem.setLimit(length);
    s.baseStem.assign(entry);
  }
  if (inClassSet(s.classCode, {"3a", "33", "3b", "52", "3c"})) bovit2(s);
  if (s.classCode == "2a") {
    vag(s, 3);
    s.stem = s.cutResult.text() + "esz";
  }
  if (s.classCode == "6a") {
    s.stemAlt = entry;
    vag3(s);
  }
}

void bovit(ConjugationState& s) {
  std::string last = rightChars(s.baseStem.text(), 1);
  sz(s);
  const std::string cut = s.cutResult.text();
  const std::string entry = s.input();
  if (endsWith(entry, "alapszik")) last = 'l';
  std::optional<std::string_view> vowel = formFor(s.vowelClass, "o", "e", "ö");
  if (!vowel) return;
  if (s.vowelClass == back) {
    if (endsWith(entry, "viszonylik") || endsWith(entry, "alapszik")) {
      vowel = "u";
    } else if (endsWith(entry, "nyálzik")) {
      vowel = "a";
    }
  }
  s.stem = cut + std::string(*vowel) + last;
}

void bovit2(ConjugationState& s) {
  dz(s);
  const std::string cut = s.cutResult.text();
  const std::string& code = s.classCode;
  if (code == "3a" || code == "33") {
    if (const auto ending = formFor(s.vowelClass, "od", "ed", "öd")) s.stem = cut + std::string(*ending);
    if (endsWith(s.input(), "agszik")) s.stem = cut + "ud";
  } else if (code == "3c") {
    // "aluszik" keeps the u of "alud" before the -sz- ("átaluszik": átaludt).
    if (endsWith(cut, "u")) {
      s.stem = cut + "d";
    } else if (const auto ending = formFor(s.vowelClass, "ud", "üd", "üd")) {
      s.stem = cut + std::string(*ending);
    }
  } else if (code == "3b") {
    s.stem = cut + "d";
  } else if (code == "52") {
    s.stem = cut + "ez";
  }
}

}  // namespace ragozo
