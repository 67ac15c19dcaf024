// The past stems.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void multto(ConjugationState& s);

}  // namespace ragozo
