// What the user asks the engine for: the entry, the tense and mood, and the toggles.
#pragma once

#include <string_view>

#include "core/Mood.h"
#include "table/Restrictions.h"

namespace ragozo {

struct Request {
  std::string_view entry;  // as typed, white space and all
  Mood mood = presentIndicative;
  TogglesPressed toggles;
  bool shortImperativeForms = false;  // "2: Rövid alakok": the short second person forms
  bool derivedFormsShown = false;     // the tall view: a potential verb's notice says why its boxes are empty
  // Once the imperative has been chosen, a verb neither found nor guessed keeps the entry and
  // the texts for mending, and only the table is emptied.
  bool keepsEntryWhenNotFound = false;
};

}  // namespace ragozo
