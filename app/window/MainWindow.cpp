// The main window's construction, load sequence and menus.
#include "window/MainWindow.h"

#include <utility>

#include "conjugation/Conjugate.h"
#include "window/MainWindowTexts.h"
#include "window/Program.h"

namespace ragozo::window {
namespace {

// What the empty entry shows: the engine's result for it, no cell selected.
ShownResult emptyEntryShown() {
  ConjugationResult empty = emptyResult();
  return {std::move(*empty.table), std::nullopt, std::move(empty.notice), std::move(*empty.boxes), std::nullopt};
}

}  // namespace

MainWindow::MainWindow(Program& program, WindowDialogs& dialogs, Clipboard& clipboard, Desktop& desktop,
                       LexiconFill fillLexicon)
    : program_(program),
      dialogs_(dialogs),
      clipboard_(clipboard),
      desktop_(desktop),
      fillLexicon_(std::move(fillLexicon)),
      emptyEntryShown_(emptyEntryShown()),
      conjugateButton_{texts::kConjugate, true},
      geometry_{0, 0, kDesignWidth, kTallHeight} {
  // The design caption, until the first new entry.
  state_.entry.toggles.allPersons.caption = texts::kAllPersonsDesign;
}

void MainWindow::load() {
  const ScreenSize screen = desktop_.screenSize();
  geometry_.top = screen.height / 2 - geometry_.height / 2;
  geometry_.left = screen.width / 2 - geometry_.width / 2;
  geometry_.height = kShortHeight;
  setOnTop(true);
  desktop_.show(WindowName::main);
  showEmptyTable();
  entryGotFocus();
  chooseMood(presentIndicative);
  state_.entry.inputFresh = true;
  fillLexicon_(lexicon_);
  showEmptyResult();
}

std::string MainWindow::derivedFormsToggleCaption() const { return texts::derivedFormsCaption(state_.derivedShown); }

std::string MainWindow::imperativeFormsToggleCaption() const {
  return texts::imperativeFormsCaption(state_.imperativeForms);
}

void MainWindow::entryGotFocus() {
  if (entryFocused_) return;
  entryFocused_ = true;
  placeCaretAtEnd();
}

void MainWindow::toggleOnTop() { setOnTop(!onTopChecked_); }

void MainWindow::setOnTop(bool onTop) {
  // The check mark says what the window is.
  desktop_.setTopmost(WindowName::main, onTop);
  onTopChecked_ = onTop;
}

void MainWindow::closeProgram() { desktop_.endProgram(); }

void MainWindow::showAbout() {
  program_.showSplash();
  program_.unloadMain();
}

}  // namespace ragozo::window
