// A verb taken from entry to stems, as the conjugate action leaves it before the producer runs.
#include "inflection/PreparedVerb.h"

#include "analysis/PlainStems.h"
#include "analysis/SecondStems.h"
#include "analysis/VerbCode.h"
#include "support/EntryState.h"
#include "support/RecordingDialogs.h"

namespace ragozo::testing {

ConjugationState preparedVerb(std::string_view verb, std::string_view code, Mood mood) {
  ConjugationState s = stateForEntry(verb);
  RecordingDialogs dialogs;
  s.verbCode = std::string(code);
  tordel(s, dialogs);
  csoport(s);
  ige(s);
  tipus(s);
  s.mood = mood;
  tovek(s);
  return s;
}

}  // namespace ragozo::testing
