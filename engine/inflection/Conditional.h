// The conditional endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Fills all thirteen slots for the conditional present. `ennek` chooses the
// marker ("n", "an", "en", "nn") and the stem; then:
//  - a verb ending in "van" takes the stem "...vol" and back endings ("volna");
//  - "alapszik" takes the stem "alapul" and becomes class "01";
//  - class "4a" inserts the linking vowel before the last letter ("vérez");
//  - class "6a" takes the base stem ("izz");
//  - class "6d" ("aránylik"), which `ennek` gives no marker, takes the linking
//    marker of its neighbour "64" ("aránylana"), so it never inherits one.
// Every slot is the marker and a back (vowel class 1) or front ending; the
// first person singular subjective is "ék" in both.
void felt(ConjugationState& s);

}  // namespace ragozo
