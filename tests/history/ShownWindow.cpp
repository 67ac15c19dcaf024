// Everything the main window shows a user.
#include "ShownWindow.h"

#include "support/ShownNames.h"

namespace ragozo::history {
namespace {

ShownToggle shownToggle(bool visible, const std::string& caption) { return {visible, visible ? caption : ""}; }

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string shown(const ShownToggle& toggle) { return toggle.visible ? quoted(toggle.caption) : "hidden"; }

std::string joined(const std::vector<std::string>& messages) {
  std::string text;
  for (const std::string& message : messages) text += (text.empty() ? "" : " | ") + message;
  return quoted(text);
}

}  // namespace

ShownWindow shownWindow(const window::MainWindow& w, const headless::ScriptedDialogs& dialogs) {
  const window::WindowState& s = w.state();
  ShownWindow view;
  view.entry = s.entry.text;
  for (int row = 0; row < ConjugationTable::kRows; ++row) {
    for (int column = 0; column < ConjugationTable::kColumns; ++column) {
      view.cells[row][column] = s.entry.shown.table.cell(row, column);
    }
  }
  view.notice = s.entry.shown.noticeLine;
  view.derivedBoxes = s.entry.shown.derivedBoxes;
  view.allPersons = shownToggle(w.allPersonsToggle().visible, w.allPersonsToggle().caption);
  view.objective = shownToggle(w.objectiveToggle().visible, w.objectiveToggle().caption);
  view.imperative = shownToggle(w.imperativeToggle().visible, w.imperativeToggle().caption);
  view.imperativeForms = shownToggle(w.imperativeFormsToggleVisible(), w.imperativeFormsToggleCaption());
  view.derivedForms = shownToggle(true, w.derivedFormsToggleCaption());
  view.mood = w.selectedMood();
  view.messages = dialogs.transcript();
  return view;
}

std::string differences(const ShownWindow& seen, const ShownWindow& fresh) {
  std::string text;
  const auto differ = [&text](const std::string& item, const std::string& a, const std::string& b) {
    if (a != b) text += "  " + item + ": " + a + ", fresh " + b + "\n";
  };
  differ("entry", quoted(seen.entry), quoted(fresh.entry));
  for (int row = 0; row < ConjugationTable::kRows; ++row) {
    for (int column = 0; column < ConjugationTable::kColumns; ++column) {
      differ(testing::tablePlaceName(row, column), quoted(seen.cells[row][column]), quoted(fresh.cells[row][column]));
    }
  }
  differ("notice", quoted(seen.notice), quoted(fresh.notice));
  for (int box = infinitiveBox; box <= causativeBox; ++box) {
    differ(testing::boxName(static_cast<DerivedBox>(box)) + " box", quoted(seen.derivedBoxes[box]),
           quoted(fresh.derivedBoxes[box]));
  }
  differ("all-persons toggle", shown(seen.allPersons), shown(fresh.allPersons));
  differ("objective toggle", shown(seen.objective), shown(fresh.objective));
  differ("imperative toggle", shown(seen.imperative), shown(fresh.imperative));
  differ("short/long imperative toggle", shown(seen.imperativeForms), shown(fresh.imperativeForms));
  differ("derived-forms toggle", shown(seen.derivedForms), shown(fresh.derivedForms));
  differ("tense and mood", testing::moodName(seen.mood), testing::moodName(fresh.mood));
  differ("message boxes", joined(seen.messages), joined(fresh.messages));
  return text;
}

}  // namespace ragozo::history
