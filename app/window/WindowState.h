// The main window's own state: what the user chose, where the request stands, and the entry with
// all that belongs to it.
#pragma once

#include <optional>
#include <string>

#include "conjugation/EntryMemory.h"
#include "core/Mood.h"
#include "derived/DerivedBoxes.h"
#include "table/ConjugationTable.h"
#include "table/Toggles.h"
#include "window/ImperativeForms.h"
#include "window/MainWindowTexts.h"

namespace ragozo::window {

// A cell of the table by row and column.
struct TableCell {
  int row = 0;
  int column = 0;
};

// What the window shows of a result.
struct ShownResult {
  ConjugationTable table;
  // The cell the user clicked and copied last, which shows selected; none in a table drawn anew.
  std::optional<TableCell> copiedCell;
  std::string noticeLine;
  DerivedBoxes derivedBoxes;
  // The notice that the tall view shows over the result (a potential verb).
  std::optional<std::string> derivedFormsNotice;
};

// A command button's caption (with its "&" access key) and visibility.
struct CommandButton {
  std::string caption;
  bool visible = false;
};

// The toggles beside the table that the verb shown calls for, as a new entry has them: unpressed,
// hidden, with their first captions, the imperative toggle offering to show the imperative. The
// short/long toggle follows the tense and mood rather than the entry (`WindowState::imperativeForms`).
struct EntryToggles {
  TogglesPressed pressed{};  // the toggles that show what the verb's restrictions leave out
  CommandButton allPersons{texts::kAllPersonsReset, false};
  CommandButton objective{texts::kObjectiveOff, false};
  // Else the toggle would say "mód nem" over the new verb's blank imperative.
  CommandButton imperative{texts::kImperativeOff, false};
  bool imperativeOffers = true;
};

// The entry and all that belongs to it. The first change of the entry after a result starts a new
// one, assigned whole, which the change empties.
struct EntryState {
  std::string text{};  // the typed verb, as typed
  // What a second conjugation of the same text must remember; new at every change of the text.
  EntryMemory memory{};
  EntryToggles toggles;
  ShownResult shown;  // what the window shows of the last result
  bool inputFresh = false;  // the entry changed since the last result: no reset on further changes
};

struct WindowState {
  // What the user chose.
  Mood mood = noMood;             // the tense and mood button selected
  bool derivedShown = false;      // the tall view with the derived forms
  ImperativeForms imperativeForms = ImperativeForms::untouched;

  // Where the request stands.
  // The short/long toggle shows: the last conjugation showed imperative forms. It follows the
  // tense and mood, so a new entry keeps it until the next conjugation decides it.
  bool imperativeFormsVisible = false;
  bool resultShown = false;  // the next key press starts a new entry

  EntryState entry;
};

}  // namespace ragozo::window
