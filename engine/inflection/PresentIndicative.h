// The present indicative endings.
#pragma once

#include <string_view>

#include "analysis/VerbCode.h"
#include "inflection/EndingSlots.h"

namespace ragozo {

// The thirteen slots of the present: personal endings without a marker.
// Chosen by the vowel class, the class, the end of the base stem and the end
// of the typed verb, in steps where a later step overwrites an earlier one:
//  - base endings: back for back vowels, front otherwise, rounded over front for front rounded;
//    -m first person for the -ik classes that take it; -ol/-el/-öl second person
//    after a final s or z; objective j-endings assimilated to a final s, z, sz, dz
//    ("olvassa", "húzza", "hisszük", "eddzük"; "sszük"/"ddzük" hold the doubled
//    consonant and follow the stem less two letters), and "izz" taking bare "a";
//  - "ik" in the third person singular for a verb typed with "ik";
//  - linking vowels for the classes that take them ("mondasz", "küldenek"), with
//    their own exceptions.
EndingSlots presentEndings(std::string_view verb, VerbClass cls, VowelClass vowel, std::string_view base);

}  // namespace ragozo
