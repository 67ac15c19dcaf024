// The past indicative marker and endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void multjel(ConjugationState& s);
void mult(ConjugationState& s);

}  // namespace ragozo
