// Runs the producer of the chosen tense and mood.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Runs `jelen`, `mult`, `felt` or `felsz` for `mood` 1 to 4. Any other value
// (0 before a tense button was chosen) runs nothing, and the slots, `marker`
// and `pastThird` keep what they hold. Errors of the producer pass to the caller.
void idomod(ConjugationState& s);

}  // namespace ragozo
