// A window record as the window leaves it for a newly typed entry.
#include "support/EntryState.h"

namespace ragozo::testing {

ConjugationState stateForEntry(std::string_view entry) {
  ConjugationState s;
  s.inputFresh = true;
  s.entry = entry;
  return s;
}

}  // namespace ragozo::testing
