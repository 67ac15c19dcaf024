// One request, from the typed verb, the tense and mood and the toggles to every form shown.
//
// How a request flows: the entry is refused if no verb can end so
// (`hasImpossibleEnding`); else it is looked up (`lookUp`: as typed, without
// its preverb, by a pattern or by its ending, its code decoded into a typed
// record by `decodeVerbCode` or given by the guess), and the look-up's way is
// announced once per entry. The meaning question of the homonyms is asked once
// per entry. The stems of the tense and mood follow (`plainStems`, `moodStems`;
// outside its present a verb with a plain stand-in, `plainStandInStem`, is
// conjugated as the stand-in), then the endings (`inflect`), the cells
// (`writeCells`, `writeIrregularCells`), what the verb's restrictions leave of
// them (`restrictionsOf`, `applyRestrictions`) and the derived forms
// (`deriveForms`). Each stage hands the next its values and returns what it
// decides; only `EntryMemory` lives on between two conjugations of the same
// entry.
#pragma once

#include "conjugation/ConjugationResult.h"
#include "conjugation/EntryMemory.h"
#include "conjugation/Request.h"
#include "core/Dialogs.h"
#include "lexicon/Lexicon.h"

namespace ragozo {

// Conjugates the request's entry, asking the meaning question through `dialogs`
// where the verb has two meanings and showing the look-up's messages. An
// impossible ending, a potential verb written with -ik and a verb neither found
// nor guessed end it before any form is built; an entry of white space alone
// (or none) shows the empty table and boxes under the entry prompt. `memory`
// is the entry's: what a second conjugation of the same entry must remember.
// Errors of the dialogs pass to the caller.
ConjugationResult conjugate(const Request& request, EntryMemory& memory, const Lexicon& lexicon, Dialogs& dialogs);

// The result of the empty entry: the table's headings, no form, the entry prompt.
ConjugationResult emptyResult();

}  // namespace ragozo
