// The choice of a suffix variant by vowel class.
#pragma once

#include <string_view>

#include "analysis/VerbCode.h"

namespace ragozo {

// The variant that `vowelClass` chooses: back, front unrounded or front rounded.
constexpr std::string_view formFor(VowelClass vowelClass, std::string_view backForm, std::string_view frontForm,
                                   std::string_view roundedForm) {
  switch (vowelClass) {
    case back:
      return backForm;
    case frontUnrounded:
      return frontForm;
    case frontRounded:
      break;
  }
  return roundedForm;
}

// The back form for back vowels, the front form for the others.
constexpr std::string_view backOrFront(VowelClass vowelClass, std::string_view backForm, std::string_view frontForm) {
  return vowelClass == back ? backForm : frontForm;
}

}  // namespace ragozo
