// The past indicative marker and endings.
#pragma once

#include <string>
#include <string_view>

#include "analysis/VerbCode.h"
#include "inflection/Inflection.h"

namespace ragozo {

struct PastMarker {
  std::string marker;     // "t", "tt", "ott", "ett", "ött"
  std::string pastThird;  // the third person singular's own ending
};

// The past marker and the third person singular ending by the class's past
// marker, the first that holds deciding. Most -ik and -at/-et classes take "t"
// with a linking-vowel third person ("adott"). "aránylik" in the class of its
// first code is treated like its neighbours ("aránylottam", "aránylott"). A
// class without a past marker gives neither.
PastMarker pastMarker(VerbClass cls, VowelClass vowel);

// The past: every slot is the marker and a back or front personal ending, but
// the third person singular, which is the past third ending alone ("vett",
// "vott" after the short stems of eszik, iszik); the stem becomes the past stem.
Inflection pastEndings(std::string_view verb, Inflection inflection);

}  // namespace ragozo
