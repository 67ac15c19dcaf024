// A verb that is not in the lexicon, classified by a pattern or by its ending.
//
// A few verbs with an unstable last vowel are known by a pattern ("omol",
// "foszol", "örvényel"). Any other entry is tried against four stages of
// endings, which look at its last 2, 3, 4 and 5 characters, each only when the
// entry is longer than that; within a stage the endings are tried in a fixed
// order and the first match decides. The match gives the class, the objective
// use and the vowel class (fixed, or guessed from the vowels with a rounded
// override for a few endings). No ending of a later stage ends in an ending of
// an earlier one, so every row can decide. A guess gives the code in place of
// the lexicon's: the class, the objective use and the vowel class, and the rest
// as the empty code has it.
#pragma once

#include <optional>
#include <string_view>

#include "analysis/VerbCode.h"

namespace ragozo {

// An entry ending in "örvényel" (front unrounded), "foszol" or "omol" (back)
// takes the class of "sodor" and "énekel", not used objectively.
std::optional<VerbCode> guessFromPattern(std::string_view verb);

struct EndingGuess {
  enum class Kind {
    none,      // no ending matched (or the entry is too short)
    guessed,   // `code` holds the guess
    notAVerb,  // a potential verb written with -ik ("...hatik"): no verb at all
  };
  Kind kind = Kind::none;
  VerbCode code;
};

EndingGuess guessFromEnding(std::string_view verb);

}  // namespace ragozo
