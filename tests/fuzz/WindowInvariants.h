// What must hold in the main window after every user action, whatever the input.
#pragma once

#include <cstddef>
#include <string_view>

#include "window/MainWindow.h"

namespace ragozo::fuzz {

// What the actions so far fed into the window.
struct InputFacts {
  bool validUtf8 = true;         // every typed and pasted text was valid UTF-8
  std::size_t longestEntry = 0;  // the longest entry text seen, in bytes
  bool typedNoFormText = false;  // an entry held "Nincs ilyen alak.", which a cell may then echo
};

bool isValidUtf8(std::string_view text);

// Every cell and box is valid UTF-8 whenever the input was; form cells are
// blank or start with their two blanks; "Nincs ilyen alak." stands only as a
// whole derived box; no cell or box outgrows what the entry could make.
// A breach is reported on standard error and aborts, so the fuzzer keeps the input.
void checkWindow(const window::MainWindow& w, const InputFacts& facts);

// Reports a breach and aborts.
[[noreturn]] void breach(std::string_view what, std::string_view detail);

}  // namespace ragozo::fuzz
