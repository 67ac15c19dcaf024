// The present indicative endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Fills all thirteen slots with the present's personal endings (the present
// has no marker; `marker` is neither read nor written). Chooses by
// `vowelClass`, `verbClass`, the end of `baseStem` and the end of the typed
// verb, in steps where a later step overwrites an earlier one:
//  - base endings: back for back vowels, front otherwise, rounded over front for front rounded;
//    -m first person for the -ik classes that take it; -ol/-el/-öl second person
//    after a final s or z; objective j-endings assimilated to a final s, z, sz, dz
//    ("olvassa", "húzza", "hisszük", "eddzük"; "sszük"/"ddzük" hold the doubled
//    consonant and follow the stem less two letters), and "izz" taking bare "a";
//  - "ik" in the third person singular for a verb typed with "ik";
//  - linking vowels for the classes that take them ("mondasz", "küldenek"), with
//    their own exceptions.
void jelen(ConjugationState& s);

}  // namespace ragozo
