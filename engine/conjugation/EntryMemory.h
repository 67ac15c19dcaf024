// What a conjugation of an entry leaves for the next conjugation of the same entry.
//
// The window keeps one for the entry it shows and starts a new one, by
// assignment (`memory = {}`), whenever the entry changes.
#pragma once

#include <optional>
#include <string>

#include "analysis/VerbCode.h"

namespace ragozo {

struct EntryMemory {
  // The answer to the meaning question of "téved" and the verbs in "ragad": asked once per entry.
  std::optional<Meaning> meaning;
  // The notice of the look-up's announcement (a verb found only without its preverb, or guessed):
  // its message box is shown once per entry, and the notice stays over the table's own.
  std::optional<std::string> announcedNotice;

  friend bool operator==(const EntryMemory&, const EntryMemory&) = default;
};

}  // namespace ragozo
