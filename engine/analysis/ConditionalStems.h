// The conditional marker and stem.
#pragma once

#include <string>
#include <string_view>

#include "analysis/VerbCode.h"

namespace ragozo {

struct ConditionalStem {
  std::string stem;
  std::string marker;
  VowelClass vowel;  // "van" goes on with front unrounded vowels
};

// The conditional marker and stem:
// - the classes that take "-n" directly get "n"; those that need a linking
//   vowel get "an" (back) or "en" (front);
// - the short-stem verbs get the base less 2 and "nn" (tesz: te, eszik: e);
//   "vész" and its compounds get vesz; megy gives men, van len with front
//   unrounded vowels (megvan: meglen); jön and "sosincs" keep their stem.
// A class without a conditional marker has none; `stem` stays where no rule holds.
ConditionalStem conditionalStem(std::string_view stem, std::string_view baseStem, std::string_view verb, VerbClass cls,
                                VowelClass vowel);

}  // namespace ragozo
