// The conditional endings.
#pragma once

#include <string_view>

#include "inflection/Inflection.h"

namespace ragozo {

// The conditional present: the marker ("n", "an", "en", "nn") and stem of
// `conditionalStem`; then
//  - a verb ending in "van" takes the stem "...vol" and back endings ("volna");
//  - the verbs like "vérzik" insert the linking vowel before the last letter ("vérez");
//  - "izzik" takes the base stem ("izz");
//  - "aránylik" in the class of its first code, which has no conditional marker, takes
//    the linking marker of its neighbours ("aránylana").
// Every slot is the marker and a back or front ending; the first person
// singular subjective is "ék" in both.
Inflection conditionalEndings(std::string_view verb, Inflection inflection);

}  // namespace ragozo
