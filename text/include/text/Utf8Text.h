// Character-counting string helpers over UTF-8 text.
//
// Hungarian verbs carry accented letters of two bytes, so every cut, left or
// right part and length here counts characters, never bytes. Every helper
// stays within its text: asking for more characters than there are yields
// what there is, never an error.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace ragozo {

// Number of characters (code points) in `text`.
std::size_t charCount(std::string_view text);

// The first `n` characters (all of them when `n` is larger).
std::string leftChars(std::string_view text, std::size_t n);

// The last `n` characters (all of them when `n` is larger).
std::string rightChars(std::string_view text, std::size_t n);

// `n` characters from the 1-based character position `start` (to the end by default).
std::string midChars(std::string_view text, std::size_t start, std::size_t n = std::string_view::npos);

// `text` less its last `n` characters (empty when `n` reaches the whole text).
std::string dropLastChars(std::string_view text, std::size_t n);

// The last character of `text`, as a view into it (empty for empty text).
std::string_view lastChar(std::string_view text);

// Whether `text` ends or starts with `part`, compared exactly.
inline bool endsWith(std::string_view text, std::string_view part) { return text.ends_with(part); }
inline bool startsWith(std::string_view text, std::string_view part) { return text.starts_with(part); }

// Whether `text` ends in any of `endings`.
inline bool endsWithAny(std::string_view text, std::initializer_list<std::string_view> endings) {
  for (std::string_view ending : endings) {
    if (text.ends_with(ending)) return true;
  }
  return false;
}

// Whether `text` is exactly one of `texts`.
inline bool isOneOf(std::string_view text, std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) {
    if (text == t) return true;
  }
  return false;
}

// `text` with the capitals of the Hungarian alphabet in lower case: A to Z and Á, É, Í, Ó, Ö, Ő, Ú,
// Ü, Ű. Every other character, and any byte that is not valid UTF-8, stays as it is.
std::string lowerCase(std::string_view text);

// Blanks are every white-space character: the blank, the tab, the line breaks
// (\n, \r, U+0085, U+2028, U+2029), \v, \f and the wide and no-break spaces
// (U+00A0, U+1680, U+2000 to U+200A, U+202F, U+205F, U+3000). A word pasted
// from a text often carries one of them.

// `text` without leading and trailing blanks.
std::string trimBlanks(std::string_view text);

// Whether `text` holds nothing but blanks (or nothing at all).
bool isBlank(std::string_view text);

}  // namespace ragozo
