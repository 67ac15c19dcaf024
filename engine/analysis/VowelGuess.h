// The vowel class of a verb not in the lexicon, guessed from its vowels.
#pragma once

#include <string_view>

#include "analysis/VerbCode.h"

namespace ragozo {

// Harmony follows the last member of a compound: after a leading preverb that
// itself holds back vowels ("rá", "át", "oda", "haza", "utána", "vissza" ...),
// the last vowel other than "i" and "í" decides ("tanít" back; "korszerűsít",
// "autószerel" front): back for "a", "á", "o", "ó", "u", "ú", else front
// unrounded. Never front rounded. The verb is in lower case, as the look-up has it.
VowelClass guessVowelClass(std::string_view verb);

}  // namespace ragozo
