// The eight derived forms.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void egyebek(ConjugationState& s);

}  // namespace ragozo
