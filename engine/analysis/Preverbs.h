// Stripping a preverb from the typed verb for the second search.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Sets `prefix`, `remainder` and `prefixState`.
void keres2(ConjugationState& s);

}  // namespace ragozo
