// The short imperative stems.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void rov(ConjugationState& s);
void rovto(ConjugationState& s);
void ujto(ConjugationState& s);

}  // namespace ragozo
