// The conditional marker and stems.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Chooses the conditional `marker` and the conditional `stem`:
// - "alapszik" is conjugated in the plain class from here on (`verbClass` changes);
// - the classes that take "-n" directly get "n"; those that need a linking
//   vowel get "an" (back) or "en" (front);
// - the short-stem verbs get the stem less 2 and "nn" (tesz: te, eszik: e);
//   "vész" and its compounds get vesz; megy gives men, jön jön, van len with
//   front unrounded vowels (megvan: meglen); "sosincs" keeps its stem.
// A class without a conditional marker leaves `marker` and `stem` as they were.
void ennek(ConjugationState& s);

}  // namespace ragozo
