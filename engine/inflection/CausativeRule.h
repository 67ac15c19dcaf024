// The causative rule's helpers and the potential-verb guard.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Refines `causativeKind` from the end of `baseStem`: a final t after a
// consonant takes -at/-et (1: "értet"), after a vowel -tat/-tet (0:
// "taníttat"); the one-letter stem "t" counts its own t as the letter before
// and gives 1. An entry ending in "mutat" or "matat" always gives 0. A stem
// without a final t keeps the code's value, the text "2" (no causative) too.
void fact(ConjugationState& s);

// `rootAtEt` := 1 when the entry ends in one of the verbs whose final -at/-et
// belongs to the root ("nevet" through "vet", "siet", "arat" ...), else 0.
void atlista(ConjugationState& s);

// The potential-verb guard: an entry ending in "hat" or "het" that is not a
// lexicon verb with its own final "hat" (`endsInHat` 1) keeps only its present
// participle; while the derived forms are shown the notice says why.
void hato(ConjugationState& s);

}  // namespace ragozo
