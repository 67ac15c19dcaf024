// The engine's one call over the window's record: the request read from it, the result drawn into it.
#pragma once

#include "conjugation/ConjugationResult.h"
#include "core/Dialogs.h"
#include "lexicon/Lexicon.h"
#include "state/ConjugationState.h"

namespace ragozo {

// Conjugates `s.entry` in `s.mood` with the toggles of `s` and `s.memory`,
// and draws the result into `s`: the table, the notice and the boxes it gives,
// the request to empty the entry, and `resultShown` but after "Törölje az
// 'ik' végződést!"; outside the imperative the short/long toggle falls back
// to the long forms.
ConjugationResult conjugate(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs);

// After a conjugation failed half-way: empties every form cell and derived
// box, so that no cell mixes two verbs; a blank entry shows the entry prompt.
void abandonConjugation(ConjugationState& s);

// Empties the form cells; unless `keepTexts` is set also the derived boxes,
// shows the entry prompt and asks for the entry to be emptied.
void emptyShownForms(ConjugationState& s);

// The tall view opened: the notice of a potential verb says why its boxes are empty.
void showDerivedFormsNotice(ConjugationState& s);

}  // namespace ragozo
