// The main window's construction, load sequence and menus.
#include "window/MainWindow.h"

#include <utility>

#include "display/TableBlanking.h"
#include "window/MainWindowTexts.h"
#include "window/Program.h"

namespace ragozo::window {

MainWindow::MainWindow(Program& program, WindowDialogs& dialogs, Clipboard& clipboard, Desktop& desktop,
                       LexiconFill fillLexicon)
    : program_(program),
      dialogs_(dialogs),
      clipboard_(clipboard),
      desktop_(desktop),
      fillLexicon_(std::move(fillLexicon)),
      command1_{texts::kConjugate, true},
      command2_{texts::kAllPersonsDesign, false},
      command3_{texts::kObjectiveOff, false},
      command4_{texts::kImperativeOff, false},
      geometry_{0, 0, kDesignWidth, kTallHeight} {}

void MainWindow::Form_Load() {
  const ScreenSize screen = desktop_.screenSize();
  geometry_.top = screen.height / 2 - geometry_.height / 2;
  geometry_.left = screen.width / 2 - geometry_.width / 2;
  geometry_.height = kShortHeight;
  desktop_.setTopmost(WindowName::main, true);
  desktop_.show(WindowName::main);
  gridek(state_);
  entryGotFocus();
  chooseOption(1);
  state_.inputFresh = true;
  fillLexicon_(lexicon_);
  state_.cutResult.setLimit(30);
  state_.baseStem.setLimit(30);
  state_.noImperative = false;
  state_.noticeLine = kEntryPrompt;
  al3(state_);
  takeEntryRequest();
}

void MainWindow::entryGotFocus() {
  if (entryFocused_) return;
  entryFocused_ = true;
  Text1_GotFocus();
}

void MainWindow::OnTop_Click() {
  // The window is already topmost after loading although the item starts
  // unchecked: the first click keeps it so and adds the check mark.
  desktop_.setTopmost(WindowName::main, !onTopChecked_);
  onTopChecked_ = !onTopChecked_;
}

void MainWindow::close_Click() { desktop_.endProgram(); }

void MainWindow::mnuNevj_Click() {
  program_.showSplash();
  program_.unloadMain();
}

}  // namespace ragozo::window
