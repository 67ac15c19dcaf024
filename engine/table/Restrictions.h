// What a verb's restrictions leave of its table, and the toggles that show the rest anyway.
#pragma once

#include "analysis/VerbCode.h"
#include "core/Mood.h"
#include "table/ConjugationTable.h"
#include "table/Toggles.h"

namespace ragozo {

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

// The table less the cells the restrictions leave out; the headings stay.
ConjugationTable applyRestrictions(ConjugationTable table, const Restrictions& restrictions);

}  // namespace ragozo
