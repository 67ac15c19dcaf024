// The window's record of what the user chose and what it shows, around the engine's one call.
#pragma once

#include <optional>
#include <string>

#include "conjugation/EntryMemory.h"
#include "state/Output.h"
#include "state/UserChoices.h"
#include "text/Utf8Text.h"

namespace ragozo {

struct ConjugationState : Output, UserChoices {
  EntryMemory memory;  // the entry's, reset by assignment when the entry changes
  // The notice that opening the derived forms shows over the result on screen (a potential verb).
  std::optional<std::string> derivedFormsNotice;

  // The typed verb as the engine reads it: without leading and trailing blanks.
  std::string input() const { return trimBlanks(entry); }
};

}  // namespace ragozo
