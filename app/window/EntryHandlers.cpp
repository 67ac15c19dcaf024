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
    s.entry.text.clear();
    entryChanged();
    s.resultShown = false;
  }
}

void MainWindow::entryChanged() {
  EntryState& entry = state_.entry;
  if (entry.inputFresh) {
    // The memory belongs to the text it was made for, even where no result showed (a dialog that
    // failed after the announcement was remembered).
    entry.memory = {};
    return;
  }
  // The result goes with the entry, and the change that starts the new entry empties it.
  entry = EntryState{.toggles = EntryToggles{}, .shown = emptyEntryShown_, .inputFresh = true};
}

void MainWindow::setEntryText(const std::string& text) {
  if (text == state_.entry.text) return;
  state_.entry.text = text;
  entryChanged();
}

void MainWindow::entryEdited(const std::string& text) { setEntryText(text); }

void MainWindow::entryTypedAtEnd(std::string_view characters) {
  if (characters.empty()) return;
  state_.entry.text += characters;
  entryChanged();
}

void MainWindow::pasteIntoEntry() {
  // After a result the double click starts a new entry, which its change empties, even where the
  // clipboard holds the entry's own text (copied from it), whose paste would change nothing.
  if (!state_.entry.inputFresh) {
    entryChanged();
    return;
  }
  setEntryText(clipboard_.text());
}

void MainWindow::placeCaretAtEnd() { caret_ = static_cast<int>(charCount(state_.entry.text)); }

void MainWindow::copyCell(int row, int column) {
  ShownResult& shown = state_.entry.shown;
  shown.copiedCell = TableCell{row, column};
  copyToClipboard(shown.table.cell(row, column));
}

void MainWindow::copyDerivedBox(DerivedBox box) { copyToClipboard(state_.entry.shown.derivedBoxes[box]); }

void MainWindow::copyToClipboard(const std::string& text) {
  clipboard_.clear();
  clipboard_.setText(text);
}

}  // namespace ragozo::window
