// The derived forms of the irregular verbs.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void kivetel(ConjugationState& s);

}  // namespace ragozo
