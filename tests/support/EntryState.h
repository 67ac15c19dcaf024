// A window record as the window leaves it for a newly typed entry.
#pragma once

#include <string_view>

#include "state/ConjugationState.h"

namespace ragozo::testing {

// A record just after start-up, with `entry` typed into the entry box (blanks included, as typed).
ConjugationState stateForEntry(std::string_view entry);

}  // namespace ragozo::testing
