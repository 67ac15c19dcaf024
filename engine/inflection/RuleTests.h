// The small tests every inflection rule makes: class lists, word endings, vowel choice.
//
// Class codes are two-character texts compared exactly, never as numbers; a
// list is tested as a plain membership test. Endings are compared on whole
// characters and a longer ending than the word simply does not match.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "analysis/ClassSets.h"
#include "analysis/VerbCode.h"
#include "state/ConjugationState.h"
#include "text/Utf8Text.h"

namespace ragozo {

// Whether `text` is exactly one of `texts` (class codes use `inClassSet`).
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

// The back form for vowel class 1, the front form for every other value.
inline std::string_view backOrFront(const ConjugationState& s, std::string_view back, std::string_view front) {
  return s.vowelClass == VowelClass::back ? back : front;
}

// Whether the vowel class is one of the three real ones; some boxes and slots
// are left unwritten for any other value.
inline bool knownVowelClass(const ConjugationState& s) { return s.vowelClass >= 1 && s.vowelClass <= 3; }

}  // namespace ragozo
