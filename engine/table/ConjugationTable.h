// The conjugation table: eight rows by three columns, with the column widths and alignment.
//
// The heading row and column hold the headings; then come the subjective and
// the objective column, the six persons' rows and the row of the -lak/-lek
// form (whose subjective cell stays empty).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ragozo {

// The rows, top to bottom.
inline constexpr int kHeadingRow = 0;
inline constexpr int kFirstSingularRow = 1;
inline constexpr int kSecondSingularRow = 2;
inline constexpr int kThirdSingularRow = 3;
inline constexpr int kFirstPluralRow = 4;
inline constexpr int kSecondPluralRow = 5;
inline constexpr int kThirdPluralRow = 6;
inline constexpr int kFirstToSecondRow = 7;  // the -lak/-lek form: a first person to a second

// The six persons' rows, first person singular to third person plural.
inline constexpr std::array<int, 6> kPersonRows = {kFirstSingularRow, kSecondSingularRow, kThirdSingularRow,
                                                   kFirstPluralRow,   kSecondPluralRow,   kThirdPluralRow};

// The columns, left to right.
inline constexpr int kHeadingColumn = 0;
inline constexpr int kSubjectiveColumn = 1;
inline constexpr int kObjectiveColumn = 2;

// How a column's cells stand in it; a column no one aligns stands left.
enum class ColumnAlignment : std::uint8_t { left, centred };

class ConjugationTable {
 public:
  static constexpr int kRows = 8;
  static constexpr int kColumns = 3;
  // Width of the table in twips as designed.
  static constexpr int kDesignWidth = 7455;

  void write(int row, int column, std::string text) { cells_[row * kColumns + column] = std::move(text); }
  const std::string& cell(int row, int column) const { return cells_[row * kColumns + column]; }

  int width() const { return width_; }
  int columnWidth(int column) const { return columnWidths_[column]; }
  void setColumnWidth(int column, int width) { columnWidths_[column] = width; }
  ColumnAlignment columnAlignment(int column) const { return columnAlignments_[column]; }
  void setColumnAlignment(int column, ColumnAlignment alignment) { columnAlignments_[column] = alignment; }

 private:
  // Row by row; on the heap, so that a table moves from stage to stage without copying its cells.
  std::vector<std::string> cells_ = std::vector<std::string>(kRows * kColumns);
  int width_ = kDesignWidth;
  std::array<int, kColumns> columnWidths_{};
  std::array<ColumnAlignment, kColumns> columnAlignments_{};
};

}  // namespace ragozo
