// The causative's helpers: its kind from the stem's final t, and the roots in -at/-et.
#pragma once

#include <string_view>

#include "analysis/VerbCode.h"

namespace ragozo {

// The causative kind refined from the end of the base stem: a final t after a
// consonant takes the short -at/-et ("értet"), after a vowel the long
// -tat/-tet ("taníttat"); the one-letter stem "t" counts its own t as the
// letter before and takes the short one. An entry ending in "mutat" or
// "matat" always takes the long one. A stem without a final t keeps `kind`,
// none too.
CausativeKind causativeKindOfStem(CausativeKind kind, std::string_view baseStem, std::string_view verb);

// Whether the entry ends in one of the verbs whose final -at/-et belongs to
// the root ("nevet" through "vet", "siet", "arat" ...).
bool hasRootAtEt(std::string_view verb);

}  // namespace ragozo
