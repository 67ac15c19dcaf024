// The tense and mood buttons and the five toggles beside the table.
#include "analysis/PlainStems.h"
#include "display/TableBlanking.h"
#include "inflection/CausativeRule.h"
#include "window/MainWindow.h"
#include "window/MainWindowTexts.h"

namespace ragozo::window {

void MainWindow::chooseOption(int option) {
  selectedOption_ = option;
  switch (option) {
    case 1:
      Option1_Click();
      break;
    case 2:
      Option2_Click();
      break;
    case 3:
      Option3_Click();
      break;
    case 4:
      Option4_Click();
      break;
    default:
      break;
  }
}

void MainWindow::Option1_Click() {
  state_.imperativeAnyway = false;
  state_.mood = presentIndicative;
  command4_.visible = false;
  Command1_Click();
}

void MainWindow::Option2_Click() {
  state_.mood = pastIndicative;
  state_.imperativeAnyway = false;
  command4_.visible = false;
  Command1_Click();
}

void MainWindow::Option3_Click() {
  state_.mood = presentConditional;
  state_.imperativeAnyway = false;
  command4_.visible = false;
  Command1_Click();
}

void MainWindow::Option4_Click() {
  state_.mood = imperative;
  state_.keepTexts = true;
  command4_.caption = texts::kImperativeOff;
  Command1_Click();
}

void MainWindow::Command2_Click() {
  if (state_.allPersons) {
    state_.allPersons = false;
    command2_.caption = texts::kAllPersonsOff;
  } else {
    state_.allPersons = true;
    command2_.caption = texts::kAllPersonsOn;
  }
  Command1_Click();
}

void MainWindow::Command3_Click() {
  if (state_.objectiveAnyway) {
    state_.objectiveAnyway = false;
    command3_.caption = texts::kObjectiveOff;
  } else {
    state_.objectiveAnyway = true;
    command3_.caption = texts::kObjectiveOn;
  }
  Command1_Click();
}

void MainWindow::Command4_Click() {
  if (command4_.caption == texts::kImperativeOff) {
    state_.imperativeAnyway = true;
    command4_.caption = texts::kImperativeOn;
    state_.keepTexts = true;
    Command1_Click();
    return;
  }
  // Hiding the imperative again empties the table alone: keepTexts is 1.
  command4_.caption = texts::kImperativeOff;
  state_.imperativeAnyway = false;
  state_.keepTexts = true;
  command6Visible_ = false;
  al3(state_);
}

void MainWindow::Command5_Click() {
  if (!state_.derivedShown) {
    geometry_.height = kTallHeight;
    ige(state_);
    state_.derivedShown = true;
  } else {
    geometry_.height = kShortHeight;
    state_.derivedShown = false;
  }
  entryGotFocus();
  hato(state_);
}

void MainWindow::Command6_Click() {
  state_.imperativeForms = state_.imperativeForms == ImperativeForms::longForms ? ImperativeForms::shortForms
                                                                                : ImperativeForms::longForms;
  Command1_Click();
}

}  // namespace ragozo::window
