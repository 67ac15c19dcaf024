// The toggles beside the table: those the user pressed, and those a verb calls for.
#pragma once

namespace ragozo {

// The toggles beside the table that the user pressed.
struct TogglesPressed {
  bool allPersons = false;        // every person of a verb used in the third persons only
  bool objectiveAnyway = false;   // the objective column of a verb not used in it
  bool imperativeAnyway = false;  // the imperative of a verb not used in it
};

// The toggles beside the table that a verb calls for. Each of the first three
// shows when true (and stays until the next entry); the short/long imperative
// toggle shows while its value is true.
struct OfferedToggles {
  bool allPersons = false;       // a verb used in the third persons only
  bool objective = false;        // a verb not used in the objective conjugation
  bool imperative = false;       // a verb not used in the imperative, in the imperative
  bool imperativeForms = false;  // the short/long second-person imperative toggle
  friend bool operator==(const OfferedToggles&, const OfferedToggles&) = default;
};

}  // namespace ragozo
