// The verb code's split, the class and the vowel class.
#pragma once

#include "state/ConjugationState.h"
#include "state/Dialogs.h"

namespace ragozo {

// Splits `verbCode` into the code labels, asking the meaning of "téved" and "...ragad".
void tordel(ConjugationState& s, Dialogs& dialogs);

// Copies the lexicon's class into `classCode`.
void csoport(ConjugationState& s);

// Sets `vowelClass` from the vowel digit.
void tipus(ConjugationState& s);

}  // namespace ragozo
