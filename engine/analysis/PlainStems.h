// The plain stem and the linking-vowel stems.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void ige(ConjugationState& s);
void bovit(ConjugationState& s);
void bovit2(ConjugationState& s);

}  // namespace ragozo
