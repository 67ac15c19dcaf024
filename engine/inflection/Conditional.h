// The conditional endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void felt(ConjugationState& s);

}  // namespace ragozo
