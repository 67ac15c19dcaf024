// The past indicative marker and endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Chooses the past marker ("t", "tt", "ott", "ett", "ött") and the separate
// third person singular ending `pastThird` by the class's past marker, the
// first that holds deciding. Most -ik and -at/-et classes take "t" with a
// linking-vowel third person ("adott"). The entry "alapszik" first becomes of
// the plain class for the rest of the conjugation. "aránylik" under its class
// of old is treated like its neighbours ("aránylottam", "aránylott"), so its
// forms never depend on what ran before. A class without a past marker leaves
// both fields unchanged.
void multjel(ConjugationState& s);

// Fills all thirteen slots for the past: `multjel`, then every slot is the
// marker and a back or front personal ending, but `sg3Subj`
// which is `pastThird` alone; last `multto` puts the past stem into `stem`.
void mult(ConjugationState& s);

}  // namespace ragozo
