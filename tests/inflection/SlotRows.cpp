// Ending slots written as one row of thirteen texts, for tables of expected paradigms.
#include "inflection/SlotRows.h"

#include <ostream>

namespace ragozo {

void PrintTo(const EndingSlots& e, std::ostream* os) {
  *os << e.sg1Subj << '|' << e.sg1Obj << '|' << e.sg2Subj << '|' << e.sg2Obj << '|' << e.sg3Subj << '|' << e.sg3Obj
      << '|' << e.pl1Subj << '|' << e.pl1Obj << '|' << e.pl2Subj << '|' << e.pl2Obj << '|' << e.pl3Subj << '|'
      << e.pl3Obj << '|' << e.sg1To2;
}

namespace testing {

EndingSlots slotsOf(const SlotRow& r) {
  return EndingSlots{r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], r[10], r[11], r[12]};
}

}  // namespace testing
}  // namespace ragozo
