// Searching the lexicon for a word.
#include "analysis/LexiconSearch.h"

namespace ragozo {

std::optional<std::string_view> codeOf(const Lexicon& lexicon, std::string_view word) {
  const std::optional<int> group = letterGroup(word);
  if (!group) return std::nullopt;
  for (int i = 0; i <= Lexicon::bound(*group); ++i) {
    if (lexicon.word(*group, i) == word) return lexicon.code(*group, i);
  }
  return std::nullopt;
}

bool lexiconHolds(const Lexicon& lexicon, std::string_view word) { return codeOf(lexicon, word).has_value(); }

}  // namespace ragozo
