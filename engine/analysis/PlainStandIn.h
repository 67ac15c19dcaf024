// The plain verb that stands in for "alapszik" outside its present.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/Utf8Text.h"

namespace ragozo {

// The stem of the plain-class verb that stands in for `verb`: "alapul" for "alapszik", its
// preverb kept ("megalapszik": megalapul); none for any other verb. The verb is conjugated as
// the stand-in outside its present ("alapult", "alapulna", "alapuljon") and derives its forms
// as it in every tense and mood; its own present keeps its stems ("alapszom", "alapszol").
// Matching the ending rather than the whole entry keeps the preverb forms from the plainly
// wrong "megalapszottam".
inline std::optional<std::string> plainStandInStem(std::string_view verb) {
  if (!endsWith(verb, "alapszik")) return std::nullopt;
  return dropLastChars(verb, 4) + "ul";
}

}  // namespace ragozo
