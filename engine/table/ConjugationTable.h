// The conjugation table: eight rows by three columns, with the column widths and alignment.
//
// Row 0 and column 0 hold the headings; column 1 is the subjective and
// column 2 the objective conjugation; rows 1 to 6 are the persons and row 7
// the -lak/-lek form (column 1 of row 7 stays empty).
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace ragozo {

// The row and column of the headings.
inline constexpr int kHeadingRow = 0;
inline constexpr int kHeadingColumn = 0;

// The two form columns, and the row of the -lak/-lek form, whose subjective cell stays empty.
inline constexpr int kSubjectiveColumn = 1;
inline constexpr int kObjectiveColumn = 2;
inline constexpr int kFirstToSecondRow = 7;

class ConjugationTable {
 public:
  static constexpr int kRows = 8;
  static constexpr int kColumns = 3;
  // Width of the table in twips as designed.
  static constexpr int kDesignWidth = 7455;
  static constexpr int kCentred = 2;

  void write(int row, int column, std::string text) { cells_[row * kColumns + column] = std::move(text); }
  const std::string& cell(int row, int column) const { return cells_[row * kColumns + column]; }

  int width() const { return width_; }
  int columnWidth(int column) const { return columnWidths_[column]; }
  void setColumnWidth(int column, int width) { columnWidths_[column] = width; }
  int columnAlignment(int column) const { return columnAlignments_[column]; }
  void setColumnAlignment(int column, int alignment) { columnAlignments_[column] = alignment; }

 private:
  // Row by row; on the heap, so that a table moves from stage to stage without copying its cells.
  std::vector<std::string> cells_ = std::vector<std::string>(kRows * kColumns);
  int width_ = kDesignWidth;
  std::array<int, kColumns> columnWidths_{};
  std::array<int, kColumns> columnAlignments_{};
};

}  // namespace ragozo
