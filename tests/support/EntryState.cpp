// A state record as the window leaves it for a newly typed entry.
#include "support/EntryState.h"

#include <string>

namespace ragozo::testing {

ConjugationState stateForEntry(std::string_view entry) {
  ConjugationState s;
  s.baseStem.setLimit(kStartUpFieldLimit);
  s.cutResult.setLimit(kStartUpFieldLimit);
  s.inputFresh = true;
  s.entry = entry;
  return s;
}

void typeNewEntry(ConjugationState& s, std::string_view entry) {
  s.baseStem.setLimit(kStartUpFieldLimit);
  s.cutResult.setLimit(kStartUpFieldLimit);
  s.codeSplit = false;
  s.keepMessage = false;
  s.endsInHat = false;
  s.allPersons = false;
  s.objectiveAnyway = false;
  s.imperativeAnyway = false;
  s.lookupAnnounced = false;
  s.causativeKind = CausativeKind::longSuffix;
  s.remainder.clear();
  s.foundCode.clear();
  s.code = VerbCode{};
  s.verbClass = VerbClass{};
  s.inputFresh = true;
  s.entry = entry;
}

}  // namespace ragozo::testing
