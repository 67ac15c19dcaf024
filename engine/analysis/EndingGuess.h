// Classification of a verb that is not in the lexicon from its ending.
//
// Four stages look at the entry's last 2, 3, 4 and 5 characters, each only
// when the entry is longer than that; within a stage the endings are tried in
// a fixed order and the first match decides. The match gives the class,
// the objective use and the vowel class (fixed, or guessed by `keres` with a
// rounded override for a few endings). No ending of a later stage ends in an
// ending of an earlier one, so every row can decide.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

enum class EndingGuess {
  none,     // no ending matched (or the entry is too short)
  guessed,  // `verbClass`, `code.usedObjectively`, `vowelClass` and the stems are set
  refused,  // a potential verb written with -ik ("...hatik"): not a verb
};

// Tries the ending table on the entry; on a match sets `verbClass`,
// `code.usedObjectively` and `vowelClass` and runs `ige`. Writes nothing on `none` and
// on `refused`.
EndingGuess guessFromEnding(ConjugationState& s);

}  // namespace ragozo
