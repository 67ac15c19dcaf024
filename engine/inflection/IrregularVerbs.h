// The irregular verbs megy, jön, van, eszik, iszik and their kin.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// In the present, writes the whole subjective column (column 1, rows 1 to 6) of
// the table for a verb ending in "megy", "jön" or "van", over what the cells
// wrote: two blanks, the verb's cut part with any preverb, and a fixed ending
// ("elmegyek", "jössz", "megvannak"). A verb ending in "incs" ("sosincs", "nincs") keeps
// only its present third persons ("sosincs", "sosincsenek") and every other cell
// of every mood blank. Any other verb leaves the table alone. The conjugate
// action runs it for class "99" only.
void megy(ConjugationState& s);

// In the past only: the third person singular of a verb ending in "eszik" or
// "iszik" is "vett" or "vott" after the short past stem ("evett", "megivott").
// Any other mood or verb leaves `sg3Subj` as the producer wrote it.
void eszik(ConjugationState& s);

}  // namespace ragozo
