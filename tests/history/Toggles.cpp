// The five toggles beside the table.
#include "Toggles.h"

namespace ragozo::history {

bool isVisible(const window::MainWindow& w, Toggle toggle) {
  switch (toggle) {
    case Toggle::allPersons: return w.allPersonsToggle().visible;
    case Toggle::objective: return w.objectiveToggle().visible;
    case Toggle::imperative: return w.imperativeToggle().visible;
    case Toggle::imperativeForms: return w.imperativeFormsToggleVisible();
    case Toggle::derivedForms: return true;
  }
  return false;
}

bool pressIfVisible(window::MainWindow& w, Toggle toggle) {
  if (!isVisible(w, toggle)) return false;
  switch (toggle) {
    case Toggle::allPersons: w.toggleAllPersons(); break;
    case Toggle::objective: w.toggleObjective(); break;
    case Toggle::imperative: w.toggleImperative(); break;
    case Toggle::imperativeForms: w.toggleImperativeForms(); break;
    case Toggle::derivedForms: w.toggleDerivedForms(); break;
  }
  return true;
}

std::string nameOf(Toggle toggle) {
  switch (toggle) {
    case Toggle::allPersons: return "all-persons";
    case Toggle::objective: return "objective";
    case Toggle::imperative: return "imperative";
    case Toggle::imperativeForms: return "short/long imperative";
    case Toggle::derivedForms: return "derived-forms";
  }
  return "";
}

}  // namespace ragozo::history
