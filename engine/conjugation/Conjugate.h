// One conjugation: from the typed verb, the tense and mood and the toggles to every form shown.
#pragma once

#include "conjugation/ConjugationResult.h"
#include "lexicon/Lexicon.h"
#include "state/ConjugationState.h"
#include "state/Dialogs.h"

namespace ragozo {

// The texts the conjugation shows, exactly.
inline constexpr const char* kNoSuchVerb = "Nincs ilyen ige.";
inline constexpr const char* kNotObjective = "Ezt az igét nem szoktuk tárgyas ragozásban használni.";
inline constexpr const char* kNotImperative = "Ezt az igét nem szoktuk felszólító módban használni.";

// Conjugates `s.entry` in `s.mood` with the toggles of `s`, asking the meaning
// question through `dialogs` where the verb has two. Runs the engine from the
// impossible-ending check (`kizar`) through the look-up, the stems and the
// mood's producer to the cells (`writeCells`), blanks what the verb's
// restrictions and toggles exclude, fills the derived boxes (`egyebek`) and
// applies the potential-verb guard (`hato`). An impossible ending or a verb
// neither found nor guessed ends it before any cell is written; an entry of
// white space alone (or none) leaves the table and boxes empty under the
// entry prompt. The state keeps what the next conjugation of the same entry
// needs (the meaning chosen, the announcements made); the result holds a copy
// of what the window shows.
// Errors of the steps pass to the caller; see `abandonConjugation`.
ConjugationResult conjugate(ConjugationState& s, const Lexicon& lexicon, Dialogs& dialogs);

// After a conjugation failed half-way: empties every form cell and derived
// box, so that no cell mixes two verbs, and sets the run's own flags back so
// that the next conjugation starts clean (the entry prompt for a blank entry).
void abandonConjugation(ConjugationState& s);

}  // namespace ragozo
