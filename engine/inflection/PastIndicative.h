// The past indicative marker and endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Chooses the past marker ("t", "tt", "ott", "ett", "ött") and the separate
// third person singular ending `pastThird` by `classCode`, the first class
// list that holds the class deciding. Most -ik and -at/-et classes take "t"
// with a linking-vowel third person ("adott"); a vowel class outside 1 to 3
// leaves `pastThird` as it was. The entry "alapszik" first becomes class "01"
// for the rest of the conjugation. "aránylik" (class "6d") is treated like
// its neighbour "64" ("aránylott"), so its forms never depend on what ran
// before. A class in no list ("98") leaves both fields unchanged.
void multjel(ConjugationState& s);

// Fills all thirteen slots for the past: `multjel`, then every slot is the
// marker and a back (vowel class 1) or front personal ending, but `sg3Subj`
// which is `pastThird` alone; last `multto` puts the past stem into `stem`.
void mult(ConjugationState& s);

}  // namespace ragozo
