// The conjugation table: eight rows by three columns with a current cell.
//
// Row 0 and column 0 hold the headings; column 1 is the subjective and
// column 2 the objective conjugation; rows 1 to 6 are the persons and row 7
// the -lak/-lek form. A cell is written by selecting its column and row and
// setting the current cell's text, and the copy command copies the current
// cell, so the current cell is part of the state.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ragozo {

class ConjugationTable {
 public:
  static constexpr int kRows = 8;
  static constexpr int kColumns = 3;
  // Width of the table in twips as designed.
  static constexpr int kDesignWidth = 7455;
  static constexpr int kCentred = 2;

  int row() const { return row_; }
  int column() const { return column_; }
  void setRow(int row) { row_ = row; }
  void setColumn(int column) { column_ = column; }

  const std::string& text() const { return cells_[row_][column_]; }
  void setText(std::string_view text) { cells_[row_][column_] = std::string(text); }

  // Selects the cell and writes it, column first as the grid control wants.
  void write(int row, int column, std::string_view text) {
    setColumn(column);
    setRow(row);
    setText(text);
  }

  const std::string& cell(int row, int column) const { return cells_[row][column]; }

  int width() const { return width_; }
  void setWidth(int width) { width_ = width; }
  int columnWidth(int column) const { return columnWidths_[column]; }
  void setColumnWidth(int column, int width) { columnWidths_[column] = width; }
  int columnAlignment(int column) const { return columnAlignments_[column]; }
  void setColumnAlignment(int column, int alignment) { columnAlignments_[column] = alignment; }

 private:
  // Default-initialised: an empty brace initialiser here crashes clang 14 where a table is a local.
  std::array<std::array<std::string, kColumns>, kRows> cells_;
  int row_ = 0;
  int column_ = 0;
  int width_ = kDesignWidth;
  std::array<int, kColumns> columnWidths_{};
  std::array<int, kColumns> columnAlignments_{};
};

}  // namespace ragozo
