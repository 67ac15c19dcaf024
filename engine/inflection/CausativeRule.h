// The causative rule and the potential-verb guard.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void fact(ConjugationState& s);
void atlista(ConjugationState& s);
void hato(ConjugationState& s);

}  // namespace ragozo
