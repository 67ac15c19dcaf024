// What a verb's restrictions leave of its table, and the toggles that show the rest anyway.
#include "table/Restrictions.h"

#include <array>
#include <span>

namespace ragozo {
namespace {

// The persons' rows a verb used in the third persons only, or in the third person singular only, leaves empty.
constexpr std::array kAllButThirdPersons = {kFirstSingularRow, kSecondSingularRow, kFirstPluralRow, kSecondPluralRow};
constexpr std::array kAllButThirdSingular = {kFirstSingularRow, kSecondSingularRow, kFirstPluralRow, kSecondPluralRow,
                                             kThirdPluralRow};

void emptyRows(ConjugationTable& table, int column, std::span<const int> rows) {
  for (int row : rows) table.write(row, column, "");
}

// The persons' rows in both columns; the -lak/-lek form, of a first person to a second, goes with them.
void emptyPersons(ConjugationTable& table, std::span<const int> rows) {
  emptyRows(table, kSubjectiveColumn, rows);
  emptyRows(table, kObjectiveColumn, rows);
  table.write(kFirstToSecondRow, kObjectiveColumn, "");
}

}  // namespace

Restrictions restrictionsOf(const VerbCode& code, VerbClass cls, Mood mood, const TogglesPressed& pressed) {
  Restrictions r;
  const bool irregular = cls.is(ClassProperty::irregular);
  r.blankObjective = irregular && mood == presentIndicative;
  if (!code.usedObjectively) {
    r.notice = RestrictionNotice::notObjective;
    if (!pressed.objectiveAnyway) r.blankObjective = true;
    if (!irregular) r.offered.objective = true;
  }
  if (code.persons != PersonsUsed::all) {
    if (!pressed.allPersons) r.personsKept = code.persons;
    r.offered.allPersons = true;
  }
  const bool imperativeRestricted = mood == imperative && !code.usedInImperative;
  if (imperativeRestricted) {
    r.notice = RestrictionNotice::notImperative;
    if (!pressed.imperativeAnyway) {
      r.offered.imperative = true;
      r.blankAll = true;
    }
  }
  r.offered.imperativeForms = mood == imperative && !r.blankAll;
  return r;
}

ConjugationTable applyRestrictions(ConjugationTable table, const Restrictions& restrictions) {
  if (restrictions.blankObjective) {
    emptyRows(table, kObjectiveColumn, kPersonRows);
    table.write(kFirstToSecondRow, kObjectiveColumn, "");
  }
  if (restrictions.personsKept == PersonsUsed::thirdPersons) {
    emptyPersons(table, kAllButThirdPersons);
  } else if (restrictions.personsKept == PersonsUsed::thirdPersonSingular) {
    emptyPersons(table, kAllButThirdSingular);
  }
  if (restrictions.blankAll) emptyPersons(table, kPersonRows);
  return table;
}

}  // namespace ragozo
