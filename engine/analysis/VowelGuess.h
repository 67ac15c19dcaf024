// The vowel class of a verb not in the lexicon, guessed from its vowels.
#pragma once

#include <string_view>

#include "analysis/VerbCode.h"

namespace ragozo {

// Harmony follows the last member of a compound: after a leading preverb that
// itself holds back vowels ("rá", "át", "oda", "haza", "utána", "vissza" ...),
// the last vowel other than "i" and "í" decides ("tanít" back; "korszerűsít",
// "autószerel" front): back for "a", "á", "o", "ó", "u", "ú" in either case,
// else front unrounded. Never front rounded.
VowelClass guessVowelClass(std::string_view verb);

}  // namespace ragozo
