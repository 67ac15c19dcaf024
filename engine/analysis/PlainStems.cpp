// The plain stem and the linking-vowel stems.
#include "analysis/PlainStems.h"

#include <string>

#include "analysis/Cutters.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {

using enum ClassProperty;

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
  if (s.verbClass.is(szikDStem)) bovit2(s);
  if (s.verbClass.is(likeVesz)) {
    vag(s, 3);
    s.stem = s.cutResult.text() + "esz";
  }
  if (s.verbClass.is(likeIzzik)) {
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
  std::string_view vowel = formFor(s.vowelClass, "o", "e", "ö");
  if (s.vowelClass == back) {
    if (endsWith(entry, "viszonylik") || endsWith(entry, "alapszik")) {
      vowel = "u";
    } else if (endsWith(entry, "nyálzik")) {
      vowel = "a";
    }
  }
  s.stem = cut + std::string(vowel) + last;
}

void bovit2(ConjugationState& s) {
  dz(s);
  const std::string cut = s.cutResult.text();
  const VerbClass cls = s.verbClass;
  if (cls.is(likeMelegszik) || cls.is(likeHaragszik)) {
    s.stem = cut + std::string(formFor(s.vowelClass, "od", "ed", "öd"));
    if (endsWith(s.input(), "agszik")) s.stem = cut + "ud";
  } else if (cls.is(likeFekszik)) {
    // "aluszik" keeps the u of "alud" before the -sz- ("átaluszik": átaludt).
    if (endsWith(cut, "u")) {
      s.stem = cut + "d";
    } else {
      s.stem = cut + std::string(formFor(s.vowelClass, "ud", "üd", "üd"));
    }
  } else if (cls.is(likeAlkuszik)) {
    s.stem = cut + "d";
  } else if (cls.is(likeEmlekszik)) {
    s.stem = cut + "ez";
  }
}

}  // namespace ragozo
