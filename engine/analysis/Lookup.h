// The look-up driver and the lexicon search.
#pragma once

#include "lexicon/Lexicon.h"
#include "state/ConjugationState.h"
#include "state/Dialogs.h"

namespace ragozo {

// Searches the letter group of `searchWord`; sets `foundWord` ("nulla" on a miss) and `verbCode`.
void lista(ConjugationState& s, const Lexicon& lexicon);

// The look-up driver: finds, strips a preverb, or guesses the typed verb; sets `lookupOutcome`.
void data(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs);

}  // namespace ragozo
