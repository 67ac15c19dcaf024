// Ending slots written as one row of thirteen texts, for tables of expected paradigms.
#pragma once

#include <array>
#include <iosfwd>

#include "state/EndingSlots.h"

namespace ragozo {

// Readable form for test failures: the thirteen slots in order, separated by "|".
void PrintTo(const EndingSlots& slots, std::ostream* os);

namespace testing {

// The slots in the order sg1Subj, sg1Obj, sg2Subj, sg2Obj, sg3Subj, sg3Obj,
// pl1Subj, pl1Obj, pl2Subj, pl2Obj, pl3Subj, pl3Obj, sg1To2.
using SlotRow = std::array<const char*, 13>;

EndingSlots slotsOf(const SlotRow& row);

}  // namespace testing
}  // namespace ragozo
