// What the user asks the engine for: the entry, the tense and mood, and the toggles.
#pragma once

#include <string_view>

#include "core/Mood.h"
#include "table/Toggles.h"

namespace ragozo {

struct Request {
  std::string_view entry;  // as typed, white space and all
  Mood mood = presentIndicative;
  TogglesPressed toggles;
  bool shortImperativeForms = false;  // "2: Rövid alakok": the short second person forms
};

}  // namespace ragozo
