// What a verb's restrictions leave of its table, and the toggles that show the rest anyway.
#include "table/Restrictions.h"

#include <initializer_list>

namespace ragozo {
namespace {

constexpr int kSubjective = 1;
constexpr int kObjective = 2;

void emptyRows(ConjugationTable& table, int column, std::initializer_list<int> rows) {
  for (int row : rows) table.write(row, column, "");
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

void applyRestrictions(ConjugationTable& table, const Restrictions& restrictions) {
  if (restrictions.blankObjective) emptyRows(table, kObjective, {1, 2, 3, 4, 5, 6, 7});
  if (restrictions.personsKept == PersonsUsed::thirdPersons) {
    emptyRows(table, kSubjective, {1, 2, 4, 5});
    emptyRows(table, kObjective, {1, 2, 4, 5, 7});
  } else if (restrictions.personsKept == PersonsUsed::thirdPersonSingular) {
    emptyRows(table, kSubjective, {1, 2, 4, 5, 6});
    emptyRows(table, kObjective, {1, 2, 4, 5, 6, 7});
  }
  if (restrictions.blankAll) {
    emptyRows(table, kSubjective, {1, 2, 3, 4, 5, 6});
    emptyRows(table, kObjective, {1, 2, 3, 4, 5, 6, 7});
  }
}

}  // namespace ragozo
