// The past stem.
#pragma once

#include <string>
#include <string_view>

#include "analysis/VerbCode.h"

namespace ragozo {

// The past stem where it differs from `stem`: the short-stem verbs lose two
// letters (tesz: te, eszik: e); megy gives men, jön jöt, van vol (with their
// preverbs: elmegy: elmen, megvan: megvol); "vész" and its compounds give vesz;
// izzik takes the base stem (izz). Every other verb, "sosincs" included, keeps
// `stem`.
std::string pastStem(std::string_view stem, std::string_view baseStem, std::string_view verb, VerbClass cls);

}  // namespace ragozo
