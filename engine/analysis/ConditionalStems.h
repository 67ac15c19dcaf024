// The conditional marker and stems.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void ennek(ConjugationState& s);

}  // namespace ragozo
