// The conditional marker and stems.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Chooses the conditional `marker` and the conditional `stem`:
// - "alapszik" is conjugated as class "01" from here on (`classCode` changes);
// - the classes that take "-n" directly get "n"; those that need a linking
//   vowel get "an" (vowel class 1) or "en" (2 and 3);
// - the short-stem verbs get the stem less 2 and "nn" (tesz: te, eszik: e);
//   "vész" and its compounds get vesz; megy gives men, jön jön, van len with
//   vowel class 2 (megvan: meglen); "sosincs" keeps its stem.
// A class in no list ("6d", "98") leaves `marker` and `stem` as they were.
void ennek(ConjugationState& s);

}  // namespace ragozo
