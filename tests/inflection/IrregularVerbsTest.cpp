// The irregular present of megy, jön, van and the past third person of eszik, iszik.
#include "inflection/IrregularVerbs.h"

#include <array>

#include <gtest/gtest.h>

#include "inflection/PreparedVerb.h"
#include "support/EntryState.h"

namespace ragozo {
namespace {

struct PresentColumnCase {
  testing::CodedVerb verb;
  std::array<const char*, 6> cells;  // rows 1 to 6 of column 1
};

void PrintTo(const PresentColumnCase& c, std::ostream* os) { *os << c.verb.verb; }

class IrregularPresent : public ::testing::TestWithParam<PresentColumnCase> {};

TEST_P(IrregularPresent, WritesTheWholeSubjectiveColumn) {
  const PresentColumnCase& c = GetParam();
  ConjugationState s = testing::preparedVerb(c.verb.verb, c.verb.code, presentIndicative);
  s.table.write(7, 1, "untouched");
  megy(s);
  for (int row = 1; row <= 6; ++row) EXPECT_EQ(s.table.cell(row, 1), c.cells[row - 1]) << "row " << row;
  EXPECT_EQ(s.table.cell(7, 1), "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Verbs, IrregularPresent,
    ::testing::Values(
        PresentColumnCase{{"megy", "120199200"},
                          {"  megyek", "  mész", "  megy", "  megyünk", "  mentek", "  mennek"}},
        PresentColumnCase{{"elmegy", "220199200"},
                          {"  elmegyek", "  elmész", "  elmegy", "  elmegyünk", "  elmentek", "  elmennek"}},
        PresentColumnCase{{"jön", "130299200"}, {"  jövök", "  jössz", "  jön", "  jövünk", "  jöttök", "  jönnek"}},
        PresentColumnCase{{"eljön", "230199200"},
                          {"  eljövök", "  eljössz", "  eljön", "  eljövünk", "  eljöttök", "  eljönnek"}},
        PresentColumnCase{{"van", "110299200"},
                          {"  vagyok", "  vagy", "  van", "  vagyunk", "  vagytok", "  vannak"}},
        PresentColumnCase{{"megvan", "210199200"},
                          {"  megvagyok", "  megvagy", "  megvan", "  megvagyunk", "  megvagytok", "  megvannak"}}));

// "sosincs", like "nincs", has its present third persons only: every other cell
// of every mood is blank, whatever the regular cells wrote.
TEST(IrregularPresent, SosincsKeepsOnlyItsPresentThirdPersons) {
  for (int mood : {presentIndicative, pastIndicative, presentConditional, imperative}) {
    ConjugationState s = testing::preparedVerb("sosincs", "120199200", mood);
    for (int row = 1; row <= 7; ++row) {
      if (row < 7) s.table.write(row, 1, "  regular");
      s.table.write(row, 2, "  regular");
    }
    megy(s);
    const bool present = mood == presentIndicative;
    for (int row = 1; row <= 6; ++row) {
      const char* expected = !present ? "" : row == 3 ? "  sosincs" : row == 6 ? "  sosincsenek" : "";
      EXPECT_EQ(s.table.cell(row, 1), expected) << "mood " << mood << " row " << row;
      EXPECT_EQ(s.table.cell(row, 2), "") << "mood " << mood << " row " << row;
    }
    EXPECT_EQ(s.table.cell(7, 2), "") << "mood " << mood;
  }
}

struct PastThirdCase {
  const char* verb;
  int mood;
  const char* sg3Subj;
};

void PrintTo(const PastThirdCase& c, std::ostream* os) { *os << c.verb << " in mood " << c.mood; }

class EszikPastThird : public ::testing::TestWithParam<PastThirdCase> {};

TEST_P(EszikPastThird, OnlyThePastChanges) {
  const PastThirdCase& c = GetParam();
  ConjugationState s = testing::stateForEntry(c.verb);
  s.mood = c.mood;
  s.endings.sg3Subj = "producer";
  eszik(s);
  EXPECT_EQ(s.endings.sg3Subj, c.sg3Subj);
}

INSTANTIATE_TEST_SUITE_P(Verbs, EszikPastThird,
                         ::testing::Values(PastThirdCase{"eszik", pastIndicative, "vett"},
                                           PastThirdCase{"megeszik", pastIndicative, "vett"},
                                           PastThirdCase{"iszik", pastIndicative, "vott"},
                                           PastThirdCase{"megiszik", pastIndicative, "vott"},
                                           PastThirdCase{"eszik", presentIndicative, "producer"},
                                           PastThirdCase{"iszik", presentConditional, "producer"},
                                           PastThirdCase{"eszik", imperative, "producer"},
                                           PastThirdCase{"úszik", pastIndicative, "producer"}));

}  // namespace
}  // namespace ragozo
