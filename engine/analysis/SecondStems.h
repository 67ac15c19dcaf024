// The second present and past stems.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void tovek(ConjugationState& s);

}  // namespace ragozo
