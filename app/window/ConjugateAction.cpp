// The conjugate action: the engine's result drawn onto the window's controls.
#include <new>
#include <stdexcept>

#include "state/StateConjugation.h"
#include "window/MainWindow.h"
#include "window/MainWindowTexts.h"

namespace ragozo::window {

void MainWindow::conjugate() {
  if (state_.mood == noMood) {
    dialogs_.showMessage(texts::kChooseMood);
    return;
  }
  ConjugationResult result;
  try {
    result = ragozo::conjugate(state_, lexicon_, dialogs_);
  } catch (const std::runtime_error&) {
    // What can fail half-way is the platform behind the message boxes or
    // memory; a logic error is a fault of the program and goes on, so that it
    // fails a test rather than showing as an empty table.
    abandonConjugation(state_);
    return;
  } catch (const std::bad_alloc&) {
    abandonConjugation(state_);
    return;
  }
  takeEntryRequest();
  if (result.end != ConjugationEnd::shown) {
    // Nothing shows, so nothing is left to toggle: a toggle pressed now would
    // reach the next entry, which a refusal does not reset.
    resetEntryToggles();
    imperativeFormsToggleVisible_ = false;
    return;
  }
  if (result.offered.allPersons) allPersonsToggle_.visible = true;
  if (result.offered.objective) objectiveToggle_.visible = true;
  if (result.offered.imperative) imperativeToggle_.visible = true;
  imperativeFormsToggleVisible_ = result.offered.imperativeForms;
  entryGotFocus();
  state_.inputFresh = false;
}

void MainWindow::takeEntryRequest() {
  if (!state_.emptyEntry) return;
  state_.emptyEntry = false;
  setEntryText("");
}

}  // namespace ragozo::window
