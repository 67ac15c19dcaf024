// Stripping a preverb from the typed verb for the second search.
//
// The lexicon holds only some preverb + verb compounds, so a verb not found as
// typed is searched again without its preverb. Preverbs are matched at the
// start of the entry exactly (case-sensitive, so "Elmegy" has none). Preverbs
// that begin with a shorter preverb ("bele", "benn", "alább", "ellen", "előre",
// "felül", "utána", "elé", "elő") are tried first; the others by length, the
// shortest first. The first match decides.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// For an entry that begins with a preverb: `prefix` := the preverb,
// `remainder` := the rest (empty for the preverb alone), `prefixState` :=
// `stripped`. Otherwise `prefix` := "", `prefixState` := `noneFound` and
// `remainder` keeps its value.
void keres2(ConjugationState& s);

}  // namespace ragozo
