// A state record as the window leaves it for a newly typed entry.
#include "support/EntryState.h"

#include <string>

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

void typeNewEntry(ConjugationState& s, std::string_view entry) {
  s.baseStem.setLimit(kStartUpFieldLimit);
  s.cutResult.setLimit(kStartUpFieldLimit);
  s.codeSplit = 0;
  s.keepMessage = 0;
  s.sg1To2Digit = 0;
  s.endsInHat = 0;
  s.allPersons = 0;
  s.objectiveAnyway = 0;
  s.imperativeAnyway = 0;
  s.lookupAnnounced = 0;
  s.causativeKind = std::string(1, '0');
  s.remainder.clear();
  s.verbCode.clear();
  s.classCode.clear();
  s.vowelUsage.clear();
  s.lexiconClassCode.clear();
  s.inputFresh = 1;
  s.entry.setText(entry);
}

}  // namespace ragozo::testing
