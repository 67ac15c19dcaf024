// The fuzz input read as a sequence of user actions on the main window.
//
// Each action is one byte, its kind the byte modulo 16; typing and pasting
// take a length byte and that many bytes of text (cut short at the input's
// end), a long paste repeats its text up to about 4,000 bytes, and choosing
// a mood, answering the meaning question and clicking a cell or a derived box
// take one more byte. Toggles are pressed only when the window shows them, as
// a user could; the about window is opened and closed again at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "headless/Session.h"

namespace ragozo::fuzz {

enum class ActionKind {
  type,
  paste,
  pasteLong,
  clear,
  backspace,
  conjugate,
  chooseMood,
  allPersons,
  objective,
  imperative,
  derivedForms,
  shortImperative,
  answer,
  clickCell,
  clickDerivedBox,
  about,
};

struct Action {
  ActionKind kind;
  std::string text;  // typed or pasted
  int choice = 0;    // mood, answer, cell or box
};

// Reads the next action from `input`, consuming its bytes; `input` must not be empty.
Action nextAction(std::span<const std::uint8_t>& input);

// Does `action` as the user would; returns whether it ran the conjugate action.
bool perform(headless::Session& session, const Action& action);

}  // namespace ragozo::fuzz
