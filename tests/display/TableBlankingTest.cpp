// The table's set-up and the blanking procedures.
#include "display/TableBlanking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ragozo {
namespace {

// A record whose every form cell, text box and label holds text.
ConjugationState filled() {
  ConjugationState s;
  gridek(s);
  for (int row = 1; row <= 7; ++row) {
    for (int column = 1; column <= 2; ++column) s.table.write(row, column, "  f" + std::to_string(row * 10 + column));
  }
  s.inputFresh = true;
  s.entry = "ad";
  s.baseStem.assign("ad");
  s.cutResult.assign("a");
  s.imperativeCut.assign("ad");
  for (std::string& box : s.derivedBoxes) box = "forma";
  s.vowelUsage = "101";
  s.lexiconClassCode = "07";
  s.valenceCode = "11";
  s.noticeLine = "értesítés";
  return s;
}

// The form cells that still hold text, as "row,column".
std::vector<std::string> formsLeft(const ConjugationState& s) {
  std::vector<std::string> left;
  for (int row = 1; row <= 7; ++row) {
    for (int column = 1; column <= 2; ++column) {
      if (!s.table.cell(row, column).empty()) left.push_back(std::to_string(row) + "," + std::to_string(column));
    }
  }
  return left;
}

TEST(Gridek, SetsWidthsHeadingsCentringAndTheCurrentCell) {
  ConjugationState s;
  gridek(s);
  EXPECT_EQ(s.table.columnWidth(0), 932);
  EXPECT_EQ(s.table.columnWidth(1), 3106);
  EXPECT_EQ(s.table.columnWidth(2), 3106);
  const char* column0[] = {"Személy", "1", "2", "3", "1   1", "2   2", "3   3", "1 ---> 2"};
  for (int row = 0; row < 8; ++row) EXPECT_EQ(s.table.cell(row, 0), column0[row]) << row;
  EXPECT_EQ(s.table.cell(0, 1), "Alanyi ragozás");
  EXPECT_EQ(s.table.cell(0, 2), "Tárgyas ragozás");
  for (int column = 0; column < 3; ++column) EXPECT_EQ(s.table.columnAlignment(column), ConjugationTable::kCentred);
  EXPECT_EQ(s.table.row(), 0);
  EXPECT_EQ(s.table.column(), 2);
}

TEST(Gridek, RoundsHalvesToTheEvenNeighbour) {
  ConjugationState s;
  s.table.setWidth(12);  // 12 / 8 = 1.5 and 12 / 2.4 = 5
  gridek(s);
  EXPECT_EQ(s.table.columnWidth(0), 2);
  s.table.setWidth(20);  // 20 / 8 = 2.5
  gridek(s);
  EXPECT_EQ(s.table.columnWidth(0), 2);
}

struct BlankingCase {
  const char* name;
  void (*procedure)(ConjugationState&);
  std::vector<std::string> left;
};

class Blanking : public ::testing::TestWithParam<BlankingCase> {};

TEST_P(Blanking, EmptiesItsCellsAndLeavesTheCurrentCellAtTheLastRowOfColumnTwo) {
  ConjugationState s = filled();
  GetParam().procedure(s);
  EXPECT_EQ(formsLeft(s), GetParam().left);
  EXPECT_EQ(s.table.row(), 7);
  EXPECT_EQ(s.table.column(), 2);
  EXPECT_EQ(s.table.cell(0, 1), "Alanyi ragozás");
  EXPECT_EQ(s.table.cell(3, 0), "3");
  EXPECT_EQ(s.entry, "ad");
  EXPECT_EQ(s.noticeLine, "értesítés");
}

INSTANTIATE_TEST_SUITE_P(
    TableBlanking, Blanking,
    ::testing::Values(BlankingCase{"al", al, {"1,1", "2,1", "3,1", "4,1", "5,1", "6,1", "7,1"}},
                      BlankingCase{"al2", al2, {"3,1", "3,2", "6,1", "6,2", "7,1"}},
                      BlankingCase{"al4", al4, {"3,1", "3,2", "7,1"}}),
    [](const ::testing::TestParamInfo<BlankingCase>& info) { return std::string(info.param.name); });

TEST(Al3, WithKeepTextsEmptiesTheFormCellsAlone) {
  ConjugationState s = filled();
  s.keepTexts = true;
  al3(s);
  EXPECT_EQ(formsLeft(s), std::vector<std::string>{"7,1"});
  EXPECT_EQ(s.entry, "ad");
  EXPECT_FALSE(s.emptyEntry);
  EXPECT_EQ(s.baseStem.text(), "ad");
  EXPECT_EQ(s.derivedBoxes[7], "forma");
  EXPECT_EQ(s.valenceCode, "11");
  EXPECT_EQ(s.noticeLine, "értesítés");
}

TEST(Al3, WithoutKeepTextsEmptiesTheBoxesLabelsAndEntryAndShowsThePrompt) {
  ConjugationState s = filled();
  al3(s);
  EXPECT_EQ(formsLeft(s), std::vector<std::string>{"7,1"});
  EXPECT_TRUE(s.emptyEntry);
  EXPECT_EQ(s.entry, "ad") << "the window empties it";
  EXPECT_EQ(s.baseStem.text(), "");
  EXPECT_EQ(s.cutResult.text(), "");
  EXPECT_EQ(s.imperativeCut.text(), "");
  for (const std::string& box : s.derivedBoxes) EXPECT_EQ(box, "");
  EXPECT_EQ(s.vowelUsage, "");
  EXPECT_EQ(s.lexiconClassCode, "");
  EXPECT_EQ(s.valenceCode, "");
  EXPECT_EQ(s.noticeLine, "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ");
}

}  // namespace
}  // namespace ragozo
