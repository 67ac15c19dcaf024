// The tense and mood buttons and the five toggles beside the table.
#include "window/MainWindow.h"
#include "window/MainWindowTexts.h"

namespace ragozo::window {

void MainWindow::chooseMood(Mood mood) {
  state_.mood = mood;
  if (mood == imperative) {
    state_.keepsEntryWhenNotFound = true;
    toggles_.imperativeOffers = true;
    toggles_.imperative.caption = texts::kImperativeOff;
  } else {
    // Only the imperative's blanking keeps the entry; a verb the lexicon
    // lacks empties it in the other moods, whichever mood came before.
    state_.keepsEntryWhenNotFound = false;
    state_.pressed.imperativeAnyway = false;
    toggles_.imperative.visible = false;
  }
  conjugate();
}

void MainWindow::toggleAllPersons() {
  if (state_.pressed.allPersons) {
    state_.pressed.allPersons = false;
    toggles_.allPersons.caption = texts::kAllPersonsOff;
  } else {
    state_.pressed.allPersons = true;
    toggles_.allPersons.caption = texts::kAllPersonsOn;
  }
  conjugate();
}

void MainWindow::toggleObjective() {
  if (state_.pressed.objectiveAnyway) {
    state_.pressed.objectiveAnyway = false;
    toggles_.objective.caption = texts::kObjectiveOff;
  } else {
    state_.pressed.objectiveAnyway = true;
    toggles_.objective.caption = texts::kObjectiveOn;
  }
  conjugate();
}

void MainWindow::toggleImperative() {
  if (toggles_.imperativeOffers) {
    state_.pressed.imperativeAnyway = true;
    toggles_.imperativeOffers = false;
    toggles_.imperative.caption = texts::kImperativeOn;
    state_.keepsEntryWhenNotFound = true;
    conjugate();
    return;
  }
  // Hiding the imperative again empties the table alone, keeping the entry as the imperative does.
  toggles_.imperativeOffers = true;
  toggles_.imperative.caption = texts::kImperativeOff;
  state_.pressed.imperativeAnyway = false;
  state_.keepsEntryWhenNotFound = true;
  toggles_.imperativeFormsVisible = false;
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
  showDerivedFormsNotice();
}

void MainWindow::toggleImperativeForms() {
  state_.imperativeForms = state_.imperativeForms == ImperativeForms::longForms ? ImperativeForms::shortForms
                                                                                : ImperativeForms::longForms;
  conjugate();
}

}  // namespace ragozo::window
