// Typing in the entry, the per-entry reset and the clipboard copies.
#include <string>

#include "text/Utf8Text.h"
#include "window/MainWindow.h"

namespace ragozo::window {

void MainWindow::keyPressed() {
  WindowState& s = state_;
  if (s.resultShown) {
    // The first key after a result empties the entry and resets the state.
    // The reset runs even when the entry is empty already: else this key's own
    // change would run it, emptying the entry again and losing the key.
    s.entry.clear();
    entryChanged();
    s.resultShown = false;
  }
}

void MainWindow::entryChanged() {
  WindowState& s = state_;
  // The memory belongs to the text it was made for, even where no result showed (a dialog that
  // failed after the announcement was remembered).
  memory_ = {};
  if (s.inputFresh) return;
  // The result and the entry go; the change that starts a new entry empties it.
  showEmptyResult();
  s.entry.clear();
  resetEntryToggles();
  s.inputFresh = true;
}

void MainWindow::resetEntryToggles() {
  state_.pressed = {};
  // The short/long toggle follows the tense and mood rather than the entry: the next conjugation decides it.
  toggles_ = EntryToggles{.imperativeFormsVisible = toggles_.imperativeFormsVisible};
}

void MainWindow::setEntryText(const std::string& text) {
  if (text == state_.entry) return;
  state_.entry = text;
  entryChanged();
}

void MainWindow::entryEdited(const std::string& text) { setEntryText(text); }

void MainWindow::entryTypedAtEnd(std::string_view characters) {
  if (characters.empty()) return;
  state_.entry += characters;
  entryChanged();
}

void MainWindow::pasteIntoEntry() { setEntryText(clipboard_.text()); }

void MainWindow::placeCaretAtEnd() { caret_ = static_cast<int>(charCount(state_.entry)); }

void MainWindow::copyCell(int row, int column) {
  state_.shown.selectedCell = {row, column};
  copyToClipboard(state_.shown.table.cell(row, column));
}

void MainWindow::copyDerivedBox(DerivedBox box) { copyToClipboard(state_.shown.derivedBoxes[box]); }

void MainWindow::copyToClipboard(const std::string& text) {
  clipboard_.clear();
  clipboard_.setText(text);
}

}  // namespace ragozo::window
