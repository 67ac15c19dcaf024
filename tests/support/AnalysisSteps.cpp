// The analysis half of one conjugation, in the order the conjugate action runs it.
#include "support/AnalysisSteps.h"

#include "analysis/EndingRules.h"
#include "analysis/Lookup.h"
#include "analysis/PlainStems.h"
#include "analysis/SecondStems.h"
#include "analysis/VerbCode.h"
#include "support/EntryState.h"
#include "support/FixtureLexicon.h"
#include "support/RecordingDialogs.h"

namespace ragozo::testing {

bool runAnalysis(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs) {
  kizar(s, lexicon);
  if (s.impossibleEnding) {
    s.impossibleEnding = false;
    return false;
  }
  lookUpVerb(s, lexicon, dialogs);
  const int outcome = s.lookupOutcome;
  s.lookupOutcome = found;
  if (outcome == stopped) return false;
  if (outcome == found) {
    csoport(s);
    ige(s);
    tipus(s);
  }
  tovek(s);
  return true;
}

ConjugationState analysed(std::string_view entry, Mood mood) {
  ConjugationState s = stateForEntry(entry);
  s.mood = mood;
  RecordingDialogs dialogs;
  runAnalysis(s, fixtureLexicon(), dialogs);
  return s;
}

}  // namespace ragozo::testing
