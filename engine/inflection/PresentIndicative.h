// The present indicative endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void jelen(ConjugationState& s);

}  // namespace ragozo
