// The analysis half of one conjugation, in the order the conjugate action runs it.
//
// Tests of the stem builders and of the producers start from a verb typed into
// a fresh state: the impossible-ending check, the look-up, the class, stem and
// vowel class of a found verb, and the second stems of the chosen mood.
#pragma once

#include <string_view>

#include "lexicon/Lexicon.h"
#include "state/ConjugationState.h"
#include "state/Dialogs.h"

namespace ragozo::testing {

// Runs `kizar`, `lookUpVerb`, then `csoport`, `ige`, `tipus` for a found verb, then
// `tovek` for `s.mood`. Returns false, with the two result flags set back to
// 0 as the action does, when the entry is rejected or the look-up stopped.
bool runAnalysis(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs);

// A fresh state for `entry` in `mood`, analysed on the fixture lexicon; any
// dialog is answered Yes and forgotten.
ConjugationState analysed(std::string_view entry, Mood mood);

}  // namespace ragozo::testing
