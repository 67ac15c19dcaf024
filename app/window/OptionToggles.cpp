// The tense and mood buttons and the five toggles beside the table.
#include "window/MainWindow.h"
#include "window/MainWindowTexts.h"

namespace ragozo::window {

void MainWindow::chooseMood(Mood mood) {
  state_.mood = mood;
  if (mood == imperative) {
    state_.keepTexts = true;
    imperativeToggleOffers_ = true;
    imperativeToggle_.caption = texts::kImperativeOff;
  } else {
    // Only the imperative's blanking keeps the entry; a verb the lexicon
    // lacks empties it in the other moods, whichever mood came before.
    state_.keepTexts = false;
    state_.pressed.imperativeAnyway = false;
    imperativeToggle_.visible = false;
  }
  conjugate();
}

void MainWindow::toggleAllPersons() {
  if (state_.pressed.allPersons) {
    state_.pressed.allPersons = false;
    allPersonsToggle_.caption = texts::kAllPersonsOff;
  } else {
    state_.pressed.allPersons = true;
    allPersonsToggle_.caption = texts::kAllPersonsOn;
  }
  conjugate();
}

void MainWindow::toggleObjective() {
  if (state_.pressed.objectiveAnyway) {
    state_.pressed.objectiveAnyway = false;
    objectiveToggle_.caption = texts::kObjectiveOff;
  } else {
    state_.pressed.objectiveAnyway = true;
    objectiveToggle_.caption = texts::kObjectiveOn;
  }
  conjugate();
}

void MainWindow::toggleImperative() {
  if (imperativeToggleOffers_) {
    state_.pressed.imperativeAnyway = true;
    imperativeToggleOffers_ = false;
    imperativeToggle_.caption = texts::kImperativeOn;
    state_.keepTexts = true;
    conjugate();
    return;
  }
  // Hiding the imperative again empties the table alone: keepTexts is set.
  imperativeToggleOffers_ = true;
  imperativeToggle_.caption = texts::kImperativeOff;
  state_.pressed.imperativeAnyway = false;
  state_.keepTexts = true;
  imperativeFormsToggleVisible_ = false;
  showEmptyTable();
}

void MainWindow::toggleDerivedForms() {
  if (!state_.derivedShown) {
    geometry_.height = kTallHeight;
    state_.derivedShown = true;
  } else {
    geometry_.height = kShortHeight;
    state_.derivedShown = false;
  }
  entryGotFocus();
  // Opening the derived forms of a potential verb says why its boxes are empty.
  if (state_.derivedShown && state_.derivedFormsNotice) state_.noticeLine = *state_.derivedFormsNotice;
}

void MainWindow::toggleImperativeForms() {
  state_.imperativeForms = state_.imperativeForms == ImperativeForms::longForms ? ImperativeForms::shortForms
                                                                                : ImperativeForms::longForms;
  conjugate();
}

}  // namespace ragozo::window
