// The small tests every inflection rule makes: word endings, vowel choice.
//
// Endings are compared on whole characters and a longer ending than the word
// simply does not match. Classes are asked for their properties (VerbClass.h).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "analysis/VowelForms.h"
#include "state/ConjugationState.h"
#include "text/Utf8Text.h"

namespace ragozo {

// Whether `text` is exactly one of `texts`.
inline bool isOneOf(std::string_view text, std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) {
    if (text == t) return true;
  }
  return false;
}

// Whether `text` ends in any of `endings`.
inline bool endsWithAny(std::string_view text, std::initializer_list<std::string_view> endings) {
  for (std::string_view e : endings) {
    if (endsWith(text, e)) return true;
  }
  return false;
}

// The back form for back vowels, the front form for the others.
inline std::string_view backOrFront(const ConjugationState& s, std::string_view back, std::string_view front) {
  return backOrFront(s.vowelClass, back, front);
}

}  // namespace ragozo
