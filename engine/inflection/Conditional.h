// The conditional endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Fills all thirteen slots for the conditional present. `ennek` chooses the
// marker ("n", "an", "en", "nn") and the stem; then:
//  - a verb ending in "van" takes the stem "...vol" and back endings ("volna");
//  - "alapszik" takes the stem "alapul" and becomes of the plain class;
//  - the verbs like "vérzik" insert the linking vowel before the last letter ("vérez");
//  - "izzik" takes the base stem ("izz");
//  - "aránylik" under its class of old, which `ennek` gives no marker, takes the
//    linking marker of its neighbours ("aránylana"), so it never inherits one.
// Every slot is the marker and a back or front ending; the
// first person singular subjective is "ék" in both.
void felt(ConjugationState& s);

}  // namespace ragozo
