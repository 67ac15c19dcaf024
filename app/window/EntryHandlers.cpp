// The entry box's handlers, the per-entry reset and the clipboard copies.
#include <string>

#include "display/TableBlanking.h"
#include "text/Utf8Text.h"
#include "window/MainWindow.h"
#include "window/MainWindowTexts.h"

namespace ragozo::window {

void MainWindow::Text1_KeyPress(int /*key*/) {
  ConjugationState& s = state_;
  if (s.resultShown == 1) {
    // Emptying an entry that is empty already changes nothing and so would not
    // reset the state; then this key's own change would, emptying the entry
    // again and losing the key. The reset runs here instead.
    if (s.entry.text().empty()) {
      Text1_Change();
    } else {
      s.entry.setText("");
    }
    s.resultShown = 0;
  }
  s.stemAlt.clear();
  s.pastStemAlt.clear();
  s.marker.clear();
  s.pastThird.clear();
  s.endings.clear();
}

void MainWindow::Text1_Change() {
  ConjugationState& s = state_;
  if (s.inputFresh == 1) return;
  const int keptTexts = s.keepTexts;
  s.cutResult.setLimit(30);
  s.baseStem.setLimit(30);
  s.codeSplit = 0;
  s.keepTexts = 0;
  s.causativeKind = std::string(1, '0');  // the text "0"
  // Empties the entry too, which enters this handler again while inputFresh
  // is still 0: that inner run does the whole reset before this one goes on.
  al3(s);
  s.keepTexts = keptTexts;
  s.keepMessage = 0;
  s.remainder.clear();
  s.sg1To2Digit = 0;
  s.endsInHat = 0;
  s.verbCode.clear();
  s.classCode.clear();
  s.lexiconClassCode.clear();
  s.vowelUsage.clear();
  s.allPersons = 0;
  s.objectiveAnyway = 0;
  s.imperativeAnyway = 0;
  s.lookupAnnounced = 0;
  // The imperative restriction belongs to the verb conjugated last; a new
  // entry starts without it, so the short/long toggle shows for the next verb.
  s.noImperative = 0;
  command2_.caption = texts::kAllPersonsReset;
  command3_.caption = texts::kObjectiveOff;
  command2_.visible = false;
  command3_.visible = false;
  command4_.visible = false;
  s.inputFresh = 1;
}

void MainWindow::entryEdited(const std::string& text) { state_.entry.setText(text); }

void MainWindow::Text1_DblClick() { state_.entry.setText(clipboard_.text()); }

void MainWindow::Text1_GotFocus() { caret_ = static_cast<int>(charCount(state_.entry.text())); }

void MainWindow::clickCell(int row, int column) {
  state_.table.setColumn(column);
  state_.table.setRow(row);
  Grid1_Copy();
}

void MainWindow::Grid1_Copy() {
  clipboard_.clear();
  clipboard_.setText(state_.table.text());
}

void MainWindow::clickDerivedBox(int box) {
  switch (box) {
    case 0:
      Text5_Click();
      break;
    case 1:
      Text6_Click();
      break;
    case 2:
      Text7_Click();
      break;
    case 3:
      Text8_Click();
      break;
    case 4:
      Text9_Click();
      break;
    case 5:
      Text10_Click();
      break;
    case 6:
      Text11_Click();
      break;
    case 7:
      Text12_Click();
      break;
    default:
      break;
  }
}

void MainWindow::copyBox(int box) {
  clipboard_.clear();
  clipboard_.setText(state_.derivedBoxes[box]);
}

void MainWindow::Text5_Click() { copyBox(0); }
void MainWindow::Text6_Click() { copyBox(1); }
void MainWindow::Text7_Click() { copyBox(2); }
void MainWindow::Text8_Click() { copyBox(3); }
void MainWindow::Text9_Click() { copyBox(4); }
void MainWindow::Text10_Click() { copyBox(5); }
void MainWindow::Text11_Click() { copyBox(6); }
void MainWindow::Text12_Click() { copyBox(7); }

}  // namespace ragozo::window
