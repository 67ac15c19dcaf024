// The text of every form cell of the conjugation table.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Writes column 1 rows 1 to 6, then column 2 rows 1 to 7, from the stems and
// ending slots the engine left. Each cell gets its default (two blanks, a stem,
// the slot's ending); then every per-class or per-verb rule that holds writes
// it again, in order, so the last one decides. Some rules call stem builders
// and leave their traces in the record: `stem` becomes `baseStem` from column 1
// row 6 on in the present of class "89" (the derived forms start from it), the
// short objective imperative leaves `stem` and `stemAlt` at the stem before
// its cut, and `cutResult` holds the last cut. The ending slots are only read.
// Column 1 row 7 is never written. Verb tests ("the entry ends in ...") read the trimmed entry.
void writeCells(ConjugationState& s);

}  // namespace ragozo
