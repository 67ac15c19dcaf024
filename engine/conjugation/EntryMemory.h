// What a conjugation of an entry leaves for the next conjugation of the same entry.
//
// The memory belongs to one text of the entry: the window starts a new one, by
// assignment (`memory = {}`), at every change of the entry, each key included,
// whether or not a result was shown for the text before (a dialog may fail
// after the announcement was remembered).
#pragma once

#include <cstdint>
#include <optional>

#include "analysis/Meaning.h"

namespace ragozo {

// What the look-up announced of the entry: nothing, a verb found only without its preverb, or
// a guessed verb.
enum class Announcement : std::uint8_t { none, foundWithoutPreverb, guessed };

struct EntryMemory {
  // The answer to the meaning question of "téved" and the verbs in "ragad": asked once per entry.
  std::optional<Meaning> meaning;
  // The look-up's announcement: its message box is shown once per entry, and its notice stays
  // over the table's own.
  Announcement announced = Announcement::none;

  friend bool operator==(const EntryMemory&, const EntryMemory&) = default;
};

}  // namespace ragozo
