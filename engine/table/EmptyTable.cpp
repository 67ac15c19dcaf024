// The conjugation table with its headings and no forms.
#include "table/EmptyTable.h"

#include <cmath>

namespace ragozo {
namespace {

constexpr const char* kHeadings[ConjugationTable::kRows] = {"Személy", "1",     "2",     "3",
                                                             "1   1",   "2   2", "3   3", "1 ---> 2"};

// Rounds to the nearest whole number, a half to the even neighbour.
int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

ConjugationTable headedTable() {
  ConjugationTable t;
  t.setColumnWidth(kHeadingColumn, roundHalfEven(t.width() / 8.0));
  t.setColumnWidth(kSubjectiveColumn, roundHalfEven(t.width() / 2.4));
  t.setColumnWidth(kObjectiveColumn, roundHalfEven(t.width() / 2.4));
  for (int row = 0; row < ConjugationTable::kRows; ++row) t.write(row, kHeadingColumn, kHeadings[row]);
  t.write(kHeadingRow, kSubjectiveColumn, "Alanyi ragozás");
  t.write(kHeadingRow, kObjectiveColumn, "Tárgyas ragozás");
  for (int column = 0; column < ConjugationTable::kColumns; ++column) {
    t.setColumnAlignment(column, ColumnAlignment::centred);
  }
  return t;
}

}  // namespace

ConjugationTable emptyTable() {
  static const ConjugationTable headed = headedTable();
  return headed;
}

}  // namespace ragozo
