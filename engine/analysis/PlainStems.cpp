// The plain stems of the entry and the linking-vowel stems.
#include "analysis/PlainStems.h"

#include "analysis/Cutters.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {

using enum ClassProperty;

Stems plainStems(std::string_view verb, VerbClass cls, VowelClass vowel) {
  Stems stems;
  stems.baseStem = endsWith(verb, "ik") ? cutEnd(verb, 2) : std::string(verb);
  stems.stem = stems.baseStem;
  if (cls.is(szikDStem)) stems.stem = szikStem(stems.baseStem, stems.stem, verb, cls, vowel);
  if (cls.is(likeVesz)) stems.stem = cutEnd(verb, 3) + "esz";
  if (cls.is(likeIzzik)) {
    stems.secondStem = verb;
    stems.baseStem = dropLastChars(verb, 2);
  }
  return stems;
}

std::string linkingVowelStem(std::string_view baseStem, std::string_view verb, VowelClass vowel) {
  const std::string last = endsWith(verb, "alapszik") ? "l" : rightChars(baseStem, 1);
  std::string_view linking = formFor(vowel, "o", "e", "ö");
  if (vowel == back) {
    if (endsWith(verb, "viszonylik") || endsWith(verb, "alapszik")) {
      linking = "u";
    } else if (endsWith(verb, "nyálzik")) {
      linking = "a";
    }
  }
  return cutEnd(baseStem, 1) + std::string(linking) + last;
}

std::string szikStem(std::string_view baseStem, std::string_view stem, std::string_view verb, VerbClass cls,
                     VowelClass vowel) {
  const std::string baseWithoutSz = cutEnd(baseStem, 2);
  if (cls.is(likeMelegszik) || cls.is(likeHaragszik)) {
    return baseWithoutSz + std::string(endsWith(verb, "agszik") ? "ud" : formFor(vowel, "od", "ed", "öd"));
  }
  if (cls.is(likeFekszik)) {
    return baseWithoutSz + std::string(endsWith(baseWithoutSz, "u") ? "d" : formFor(vowel, "ud", "üd", "üd"));
  }
  if (cls.is(likeAlkuszik)) return baseWithoutSz + "d";
  if (cls.is(likeEmlekszik)) return baseWithoutSz + "ez";
  return std::string(stem);
}

}  // namespace ragozo
