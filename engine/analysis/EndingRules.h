// Impossible endings, special patterns and the vowel guess.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Sets `impossibleEnding` for a stacked suffix that no verb has.
void kizar(ConjugationState& s);

// The special patterns of verbs not in the lexicon; sets `patternMatched`.
void mintak(ConjugationState& s);

// Guesses the vowel class from the vowels after a leading preverb.
void keres(ConjugationState& s);

}  // namespace ragozo
