// The tense and mood buttons and the five toggles beside the table.
#include "window/MainWindow.h"
#include "window/MainWindowTexts.h"

namespace ragozo::window {

void MainWindow::chooseMood(Mood mood) {
  EntryToggles& toggles = state_.entry.toggles;
  state_.mood = mood;
  if (mood == imperative) {
    toggles.imperativeOffers = true;
    toggles.imperative.caption = texts::kImperativeOff;
  } else {
    toggles.pressed.imperativeAnyway = false;
    toggles.imperative.visible = false;
  }
  conjugate();
}

void MainWindow::toggleAllPersons() {
  EntryToggles& toggles = state_.entry.toggles;
  if (toggles.pressed.allPersons) {
    toggles.pressed.allPersons = false;
    toggles.allPersons.caption = texts::kAllPersonsOff;
  } else {
    toggles.pressed.allPersons = true;
    toggles.allPersons.caption = texts::kAllPersonsOn;
  }
  conjugate();
}

void MainWindow::toggleObjective() {
  EntryToggles& toggles = state_.entry.toggles;
  if (toggles.pressed.objectiveAnyway) {
    toggles.pressed.objectiveAnyway = false;
    toggles.objective.caption = texts::kObjectiveOff;
  } else {
    toggles.pressed.objectiveAnyway = true;
    toggles.objective.caption = texts::kObjectiveOn;
  }
  conjugate();
}

void MainWindow::toggleImperative() {
  EntryToggles& toggles = state_.entry.toggles;
  if (toggles.imperativeOffers) {
    toggles.pressed.imperativeAnyway = true;
    toggles.imperativeOffers = false;
    toggles.imperative.caption = texts::kImperativeOn;
    conjugate();
    return;
  }
  // Hiding the imperative again empties the table alone, keeping the entry as the imperative does.
  toggles.imperativeOffers = true;
  toggles.imperative.caption = texts::kImperativeOff;
  toggles.pressed.imperativeAnyway = false;
  state_.imperativeFormsVisible = false;
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
