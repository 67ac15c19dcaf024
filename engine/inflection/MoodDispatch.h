// Runs the producer of the chosen tense and mood.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void idomod(ConjugationState& s);

}  // namespace ragozo
