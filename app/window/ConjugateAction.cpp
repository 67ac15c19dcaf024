// The conjugate action: the engine's result drawn onto the window's controls.
#include <new>

#include "conjugation/Conjugate.h"
#include "window/MainWindow.h"
#include "window/MainWindowTexts.h"

namespace ragozo::window {

void MainWindow::Command1_Click() {
  if (selectedOption_ == 0) {
    dialogs_.showMessage(texts::kChooseMood);
    return;
  }
  ConjugationResult result;
  try {
    result = conjugate(state_, lexicon_, dialogs_);
  } catch (const std::bad_alloc&) {
    // Out of memory half-way: the forms are emptied rather than left half new and half old.
    abandonConjugation(state_);
    return;
  }
  takeEntryRequest();
  if (result.end != ConjugationEnd::shown) return;
  if (result.offered.allPersons) command2_.visible = true;
  if (result.offered.objective) command3_.visible = true;
  if (result.offered.imperative) command4_.visible = true;
  command6Visible_ = result.offered.imperativeForms;
  entryGotFocus();
  state_.inputFresh = false;
}

void MainWindow::takeEntryRequest() {
  if (!state_.emptyEntry) return;
  state_.emptyEntry = false;
  setEntryText("");
}

}  // namespace ragozo::window
