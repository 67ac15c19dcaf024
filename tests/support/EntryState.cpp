// A state record as the window leaves it for a newly typed entry.
#include "support/EntryState.h"

namespace ragozo::testing {

ConjugationState stateForEntry(std::string_view entry) {
  ConjugationState s;
  s.baseStem.setLimit(kStartUpFieldLimit);
  s.cutResult.setLimit(kStartUpFieldLimit);
  s.noImperative = 0;
  s.inputFresh = 1;
  s.entry.setText(entry);
  return s;
}

}  // namespace ragozo::testing
