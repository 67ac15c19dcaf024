// The plain stems of the entry and the linking-vowel stems.
//
// Suffix vowels follow the vowel class; lengths count characters.
#pragma once

#include <string>
#include <string_view>

#include "analysis/Stems.h"
#include "analysis/VerbCode.h"

namespace ragozo {

// The entry less a final "ik" as the base stem and the stem (an entry of two
// characters or fewer keeps them: "ik" stays "ik"). Then the -szik verbs with a
// -d- or -ez- stem take it (`szikStem`), "vész" takes the entry less 3 and
// "esz" (vesz), and "izzik" keeps the entry as its second stem and the entry
// less 2 as its base (izz).
Stems plainStems(std::string_view verb, VerbClass cls, VowelClass vowel);

// The stem of a base ending in two consonants with the linking vowel before
// the last: the base less its last letter, "o"/"e"/"ö" by vowel class, that
// letter (omlik: omol, vérzik: vérez, fürdik: füröd). "...viszonylik" and
// "...alapszik" take "u" (viszonyul, alapul), "...nyálzik" takes "a" (nyálaz).
std::string linkingVowelStem(std::string_view baseStem, std::string_view verb, VowelClass vowel);

// The -szik stem: the base less 2 followed by "od"/"ed"/"öd" by vowel class
// like melegszik and haragszik ("ud" for an entry ending in "agszik"); "ud"/"üd"
// like fekszik (the "u" of "aluszik" kept: "alud"); "d" like alkuszik; "ez"
// like emlékszik. Any other class keeps `stem`.
std::string szikStem(std::string_view baseStem, std::string_view stem, std::string_view verb, VerbClass cls,
                     VowelClass vowel);

}  // namespace ragozo
