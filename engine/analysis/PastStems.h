// The past stems.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

// Puts the past stem into `stem` where it differs from the plain one:
// "alapszik" gives alapul; the short-stem verbs lose two letters (tesz: te,
// eszik: e); megy gives men, jön jöt, van vol (with their compounds: elmegy:
// elmen, megvan: megvol); "vész" and its compounds give vesz; izzik takes
// `baseStem` (izz). Every other verb, "sosincs" included, keeps `stem`.
// A second call gives the same result.
void multto(ConjugationState& s);

}  // namespace ragozo
