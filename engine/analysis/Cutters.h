// The cutters: shorten a stem through the limited work fields.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Cuts the input to its first `n` characters into `cutResult`.
void vag(ConjugationState& s, int n);
void dz(ConjugationState& s);
void dz3(ConjugationState& s);
void sz(ConjugationState& s);
void van(ConjugationState& s);
void vag3(ConjugationState& s);

}  // namespace ragozo
