// The causative rule's helpers and the potential-verb guard.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Refines `causativeKind` from the end of `baseStem`: a final t after a
// consonant takes the short -at/-et (`shortSuffix`: "értet"), after a vowel the
// long -tat/-tet (`longSuffix`: "taníttat"); the one-letter stem "t" counts its
// own t as the letter before and gives `shortSuffix`. An entry ending in
// "mutat" or "matat" always gives `longSuffix`. A stem without a final t keeps
// the code's kind, `noCausative` too.
void fact(ConjugationState& s);

// `rootAtEt` is set when the entry ends in one of the verbs whose final -at/-et
// belongs to the root ("nevet" through "vet", "siet", "arat" ...), else cleared.
void atlista(ConjugationState& s);

// The potential-verb guard: an entry ending in "hat" or "het" that is not a
// lexicon verb with its own final "hat" (`endsInHat` set) keeps only its present
// participle; while the derived forms are shown the notice says why.
void hato(ConjugationState& s);

}  // namespace ragozo
