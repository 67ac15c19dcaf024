// Set-up of the conjugation table and the blanking procedures.
#include "display/TableBlanking.h"

#include <cmath>
#include <initializer_list>

#include "inflection/DerivedBoxes.h"

namespace ragozo {
namespace {

constexpr const char* kHeadings[ConjugationTable::kRows] = {"Személy", "1",     "2",     "3",
                                                             "1   1",   "2   2", "3   3", "1 ---> 2"};

// Rounds to the nearest whole number, a half to the even neighbour.
int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

void emptyRows(ConjugationTable& table, int column, std::initializer_list<int> rows) {
  table.setColumn(column);
  for (int row : rows) {
    table.setRow(row);
    table.setText("");
  }
}

}  // namespace

void gridek(ConjugationState& s) {
  ConjugationTable& t = s.table;
  t.setColumnWidth(0, roundHalfEven(t.width() / 8.0));
  t.setColumnWidth(1, roundHalfEven(t.width() / 2.4));
  t.setColumnWidth(2, roundHalfEven(t.width() / 2.4));
  t.setColumn(0);
  for (int row = 0; row < ConjugationTable::kRows; ++row) {
    t.setRow(row);
    t.setText(kHeadings[row]);
  }
  t.setColumn(1);
  t.setRow(0);
  t.setText("Alanyi ragozás");
  t.setColumn(2);
  t.setText("Tárgyas ragozás");
  for (int column = 0; column < ConjugationTable::kColumns; ++column) {
    t.setColumnAlignment(column, ConjugationTable::kCentred);
  }
}

void al(ConjugationState& s) { emptyRows(s.table, 2, {1, 2, 3, 4, 5, 6, 7}); }

void al2(ConjugationState& s) {
  emptyRows(s.table, 1, {1, 2, 4, 5});
  emptyRows(s.table, 2, {1, 2, 4, 5, 7});
}

void al4(ConjugationState& s) {
  emptyRows(s.table, 1, {1, 2, 4, 5, 6});
  emptyRows(s.table, 2, {1, 2, 4, 5, 6, 7});
}

void al3(ConjugationState& s) {
  emptyRows(s.table, 1, {1, 2, 3, 4, 5, 6});
  emptyRows(s.table, 2, {1, 2, 3, 4, 5, 6, 7});
  if (s.keepTexts) return;
  s.emptyEntry = true;  // the window empties the entry, which starts its reset
  s.baseStem.clear();
  s.cutResult.clear();
  s.imperativeCut.clear();
  for (std::string& box : s.derivedBoxes) box.clear();
  s.code = VerbCode{};
  s.noticeLine = kEntryPrompt;
}

void emptyForms(Output& output) {
  for (int row = 1; row < ConjugationTable::kRows; ++row) {
    if (row < 7) output.table.write(row, 1, "");
    output.table.write(row, 2, "");
  }
  for (std::string& box : output.derivedBoxes) box.clear();
}

void al5(ConjugationState& s) {
  for (int box = 0; box < static_cast<int>(s.derivedBoxes.size()); ++box) {
    if (box != presentParticipleBox) s.derivedBoxes[box].clear();
  }
  if (s.derivedShown) {
    s.noticeLine = "Ható igéből csak folyamatos melléknévi igenevet képzünk.";
  }
}

}  // namespace ragozo
