// The choice of a suffix variant by vowel class.
#pragma once

#include <optional>
#include <string_view>

#include "state/ConjugationState.h"

namespace ragozo {

// The variant that `vowelClass` chooses: back (1), front unrounded (2) or front
// rounded (3); nothing for any other value, so the caller leaves its stem as it is.
inline std::optional<std::string_view> formFor(int vowelClass, std::string_view backForm, std::string_view frontForm,
                                               std::string_view roundedForm) {
  switch (vowelClass) {
    case back:
      return backForm;
    case frontUnrounded:
      return frontForm;
    case frontRounded:
      return roundedForm;
    default:
      return std::nullopt;
  }
}

}  // namespace ragozo
