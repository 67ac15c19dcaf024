// Everything the main window shows a user, read through its public face, and how two such views differ.
//
// A user sees the entry, every cell of the table (headings included), the
// notice line, the eight derived boxes (the tall view shows them; the short
// one keeps them for the next switch), each toggle beside the table with its
// caption, the selected tense and mood, and the message boxes of the last
// action. A hidden toggle's caption is not seen, so it is left out: should it
// be wrong, it shows once the toggle does.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "headless/ScriptedDialogs.h"
#include "window/MainWindow.h"

namespace ragozo::history {

struct ShownToggle {
  bool visible = false;
  std::string caption;  // empty while hidden

  bool operator==(const ShownToggle&) const = default;
};

struct ShownWindow {
  std::string entry;
  std::array<std::array<std::string, ConjugationTable::kColumns>, ConjugationTable::kRows> cells;
  std::string notice;
  DerivedBoxes derivedBoxes;
  ShownToggle allPersons, objective, imperative, imperativeForms, derivedForms;
  Mood mood = noMood;
  std::vector<std::string> messages;

  bool operator==(const ShownWindow&) const = default;
};

// What `w` shows, with the message boxes `dialogs` recorded since it was last cleared.
ShownWindow shownWindow(const window::MainWindow& w, const headless::ScriptedDialogs& dialogs);

// One line per item that differs: its name, then what `seen` and `fresh` show.
std::string differences(const ShownWindow& seen, const ShownWindow& fresh);

}  // namespace ragozo::history
