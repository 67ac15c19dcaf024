// The main window's own state: what the user chose, where the request stands, and what it shows.
#pragma once

#include <optional>
#include <string>

#include "core/Mood.h"
#include "derived/DerivedBoxes.h"
#include "table/ConjugationTable.h"
#include "table/Toggles.h"

namespace ragozo::window {

// Which second-person imperative forms the short/long toggle asks for. It
// starts `untouched` (the long forms, under the design caption); the toggle
// then switches between the short and the long forms.
enum class ImperativeForms : short { untouched, shortForms, longForms };

// A cell of the table by row and column.
struct TableCell {
  int row = 0;
  int column = 0;
};

// The cell a newly drawn table selects: the last one its forms were written to.
inline constexpr TableCell kLastFormCell{kFirstToSecondRow, kObjectiveColumn};

// What the window shows of a result. A new entry shows the empty entry's again, assigned whole.
struct ShownResult {
  ConjugationTable table;
  TableCell selectedCell = kLastFormCell;
  std::string noticeLine;
  DerivedBoxes derivedBoxes;
  // The notice that the tall view shows over the result (a potential verb).
  std::optional<std::string> derivedFormsNotice;
};

struct WindowState {
  // What the user chose.
  std::string entry;              // the typed verb, as typed
  Mood mood = noMood;             // the tense and mood button selected
  TogglesPressed pressed;         // the toggles that show what the verb's restrictions leave out
  bool derivedShown = false;      // the tall view with the derived forms
  ImperativeForms imperativeForms = ImperativeForms::untouched;

  // Where the request stands.
  // The imperative was chosen: a verb neither found nor guessed empties the table alone and keeps
  // the entry and the derived boxes for mending.
  bool keepsEntryWhenNotFound = false;
  bool resultShown = false;  // the next key press starts a new entry
  bool inputFresh = false;   // the entry changed since the last result: no reset on further changes

  ShownResult shown;  // what the window shows of the last result
};

}  // namespace ragozo::window
