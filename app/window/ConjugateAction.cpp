// The conjugate action: the engine's one call for the entry, its result drawn onto the window.
#include <new>
#include <stdexcept>
#include <utility>

#include "conjugation/Conjugate.h"
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
    result = ragozo::conjugate(request(), state_.entry.memory, lexicon_, dialogs_);
  } catch (const std::runtime_error&) {
    // What can fail half-way is the platform behind the message boxes or
    // memory; a logic error is a fault of the program and goes on, so that it
    // fails a test rather than showing as an empty table.
    showNoForms();
    return;
  } catch (const std::bad_alloc&) {
    showNoForms();
    return;
  }
  // After "Törölje az 'ik' végződést!" the entry stays for mending: the next key does not empty it.
  if (result.end != ConjugationEnd::notAVerb) state_.resultShown = true;
  if (result.end == ConjugationEnd::notFound && state_.mood != imperative) {
    // The entry goes, and with it all it showed, as for a new entry. While the imperative is
    // chosen the table alone is emptied: the entry and the derived boxes stay for mending.
    showEmptyResult();
    setEntryText("");
  } else {
    draw(result);
  }
  EntryState& entry = state_.entry;
  if (result.end != ConjugationEnd::shown) {
    // Nothing shows, so nothing is left to toggle, the short/long toggle
    // included: a toggle pressed now would reach the next entry, which a
    // refusal does not reset.
    entry.toggles = {};
    state_.imperativeFormsVisible = false;
    return;
  }
  if (result.offered.allPersons) entry.toggles.allPersons.visible = true;
  if (result.offered.objective) entry.toggles.objective.visible = true;
  if (result.offered.imperative) entry.toggles.imperative.visible = true;
  state_.imperativeFormsVisible = result.offered.imperativeForms;
  entryGotFocus();
  entry.inputFresh = false;
}

Request MainWindow::request() const {
  const WindowState& s = state_;
  return {s.entry.text, s.mood, s.entry.toggles.pressed, s.imperativeForms == ImperativeForms::shortForms};
}

void MainWindow::draw(ConjugationResult& result) {
  ShownResult& shown = state_.entry.shown;
  if (result.table) drawTable(std::move(*result.table));
  shown.noticeLine = std::move(result.notice);
  if (result.boxes) shown.derivedBoxes = std::move(*result.boxes);
  shown.derivedFormsNotice = std::move(result.derivedFormsNotice);
  showDerivedFormsNotice();
  // Outside the imperative the short/long toggle falls back to the long forms.
  if (result.end == ConjugationEnd::shown && state_.mood != imperative) state_.imperativeForms = ImperativeForms::longForms;
}

void MainWindow::drawTable(ConjugationTable table) {
  ShownResult& shown = state_.entry.shown;
  shown.table = std::move(table);
  shown.copiedCell.reset();
}

void MainWindow::showDerivedFormsNotice() {
  ShownResult& shown = state_.entry.shown;
  if (state_.derivedShown && shown.derivedFormsNotice) shown.noticeLine = *shown.derivedFormsNotice;
}

void MainWindow::showEmptyTable() { drawTable(emptyEntryShown_.table); }

void MainWindow::showNoForms() {
  showEmptyTable();
  state_.entry.shown.derivedBoxes = emptyEntryShown_.derivedBoxes;
}

}  // namespace ragozo::window
