// Searching the lexicon for a word.
#pragma once

#include <optional>
#include <string_view>

#include "lexicon/Lexicon.h"

namespace ragozo {

// The code of `word` in the lexicon: its letter group (chosen by the first
// character) is searched from element 0 up and the first exact match wins.
// Nothing when the word is not there, or when its first character selects no
// group (a capital, q, w, x, y, a digit, a blank, the empty word).
std::optional<std::string_view> codeOf(const Lexicon& lexicon, std::string_view word);

// Whether the lexicon holds `word` exactly.
bool lexiconHolds(const Lexicon& lexicon, std::string_view word);

}  // namespace ragozo
