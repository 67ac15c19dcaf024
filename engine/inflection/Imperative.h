// The imperative marker, stems and endings.
#pragma once

#include <string_view>

#include "inflection/Inflection.h"

namespace ragozo {

// The imperative. It
//  1. replaces the stem where the imperative stem differs from the plain one:
//     assimilated stems ("mutas", "akass", "játss", "edd", "vess"), "veszít",
//     "iz", the short stems of tesz/visz/eszik ("hi", "vi", "e") and the
//     irregular "men", "jöj", "le"; preverbs stay ("elmen", "megle");
//  2. chooses the marker "j", "s" or "z" by class, "gy" for the short stems
//     ("ggy" for hisz), "gy" for van, which also takes front unrounded vowels;
//     "aránylik" in the class of its first code takes the "j" of its neighbours and
//     "bujdosik" the "s" of "esik", so no class is left without one;
//  3. writes every slot as the marker and a back or front ending; the front
//     third person singular is "ön" for front rounded vowels and for
//     "fekszik", and "en" again for "őriz";
//  4. with `shortForms`, writes the short second person singular: the marker
//     alone and the objective "d", "dd" (tedd, lődd), "sd" (tanítsd) or "zd"
//     (csempészd, mászd).
// A cut longer than the verb keeps the whole of it.
Inflection imperativeEndings(std::string_view verb, Inflection inflection, bool shortForms);

}  // namespace ragozo
