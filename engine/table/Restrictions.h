// What a verb's restrictions leave of its table, and the toggles that show the rest anyway.
#pragma once

#include "analysis/VerbCode.h"
#include "core/Mood.h"
#include "table/ConjugationTable.h"

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

// Which notice a restriction puts above the table; the imperative's wins.
enum class RestrictionNotice { none, notObjective, notImperative };

struct Restrictions {
  bool blankObjective = false;  // the objective column, of a verb not used in it or an irregular present
  PersonsUsed personsKept = PersonsUsed::all;  // the persons left of a verb used in some only
  bool blankAll = false;        // the whole table: a verb not used in the imperative
  OfferedToggles offered;
  RestrictionNotice notice = RestrictionNotice::none;
};

// The restrictions of the verb's code in `mood`, as the pressed toggles lift them. The irregular
// verbs offer no objective column.
Restrictions restrictionsOf(const VerbCode& code, VerbClass cls, Mood mood, const TogglesPressed& pressed);

// Empties the cells the restrictions leave out; the headings stay.
void applyRestrictions(ConjugationTable& table, const Restrictions& restrictions);

}  // namespace ragozo
