// A state record as the window leaves it for a newly typed entry.
//
// The start-up limits the two stem work fields to 30 characters and marks the
// input as fresh; tests of single procedures start from that state with the
// entry box holding the typed text (blanks included, as typed).
#pragma once

#include <string_view>

#include "state/ConjugationState.h"

namespace ragozo::testing {

inline constexpr int kStartUpFieldLimit = 30;

// A record just after start-up, with `entry` typed into the entry box.
ConjugationState stateForEntry(std::string_view entry);

// Types a new entry into a record that showed a result: the fields that the
// window's reset for a new entry clears are cleared (the look-up flags, the
// code split, the decoded code, the two limits back to 30) and the rest stays.
void typeNewEntry(ConjugationState& s, std::string_view entry);

}  // namespace ragozo::testing
