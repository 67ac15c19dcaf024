// Set-up of the conjugation table and the procedures that blank parts of the result.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Column widths from the table's width, the heading texts and centred columns.
void gridek(ConjugationState& s);

// Empties the objective column (the verb is not used in the objective conjugation).
void al(ConjugationState& s);
// Empties all but the third persons.
void al2(ConjugationState& s);
// Empties the whole result; unless `keepTexts` is set also the work fields,
// the derived boxes and the decoded code, shows the entry prompt and asks the
// window to empty the entry (`emptyEntry`).
void al3(ConjugationState& s);
// Empties all but the third person singular.
void al4(ConjugationState& s);
// Empties every form cell and the derived boxes, the headings kept: what a
// conjugation that failed half-way leaves, so that no cell mixes two verbs.
void emptyForms(Output& output);
// Empties the derived boxes that a potential verb (-hat/-het) has no form for.
void al5(ConjugationState& s);

}  // namespace ragozo
