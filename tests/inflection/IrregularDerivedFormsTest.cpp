// The fixed derived forms of the irregular verbs, as one table, and their preverbed forms.
#include "inflection/IrregularDerivedForms.h"

#include <array>
#include <string>

#include <gtest/gtest.h>

#include "inflection/DerivedBoxes.h"
#include "support/EntryState.h"

namespace ragozo {
namespace {

// What the regular rules left in a box; a box the verb's row does not write keeps it.
constexpr const char* kRegular = "regular";
constexpr const char* kNone = kNoSuchForm;

// The verb and its boxes from the adverbial participle to the causative.
struct IrregularRow {
  const char* verb;
  std::array<const char*, 7> boxes;
};

void PrintTo(const IrregularRow& r, std::ostream* os) { *os << r.verb; }

class IrregularDerivedTable : public ::testing::TestWithParam<IrregularRow> {};

TEST_P(IrregularDerivedTable, WritesItsBoxesAndKeepsTheOthers) {
  const IrregularRow& r = GetParam();
  ConjugationState s = testing::stateForEntry(r.verb);
  s.derivedBoxes.fill(kRegular);
  kivetel(s);
  EXPECT_EQ(s.derivedBoxes[infinitiveBox], kRegular);
  for (std::size_t i = 0; i < r.boxes.size(); ++i) {
    EXPECT_EQ(s.derivedBoxes[adverbialParticipleBox + i], r.boxes[i]) << "box " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Verbs, IrregularDerivedTable,
    ::testing::Values(
        IrregularRow{"vesz", {kRegular, kRegular, kRegular, "veendő", "vétel / vevés", "vehet", "vetet"}},
        IrregularRow{"tesz", {kRegular, kRegular, kRegular, "teendő", "tétel / tevés", "tehet", "tetet"}},
        IrregularRow{"visz", {kRegular, kRegular, kRegular, "viendő", "vitel / vivés", "vihet", "vitet"}},
        IrregularRow{"hisz", {kRegular, kRegular, kRegular, "hiendő", "hívés", "hihet", "hitet"}},
        IrregularRow{"lesz", {"(lévén)", kRegular, kRegular, "leendő", "lét / levés", "lehet", kNone}},
        IrregularRow{"van", {"(lévén)", "való / levő", "volt / lett", "leendő", "lét / levés", "lehet", kNone}},
        IrregularRow{"eszik", {kRegular, kRegular, kRegular, "eendő", "evés", "ehet", "etet"}},
        IrregularRow{"iszik", {kRegular, kRegular, kRegular, "(ivandó)", "ivás", "ihat", "itat"}},
        IrregularRow{"megy", {kRegular, "menő", kRegular, kNone, "menetel / menés", "mehet", kNone}},
        IrregularRow{"jön", {kRegular, "jövő", kRegular, "jövendő", "jövetel / jövés", "jöhet", kNone}},
        // With a preverb, which every box keeps.
        IrregularRow{"elvesz", {kRegular, kRegular, kRegular, "elveendő", "elvétel / elvevés", "elvehet", "elvetet"}},
        IrregularRow{"elhisz", {kRegular, kRegular, kRegular, "elhiendő", "elhívés", "elhihet", "elhitet"}},
        IrregularRow{"megvan",
                     {"(meglévén)", "megvaló / meglevő", "megvolt / meglett", "megleendő", "meglét / meglevés",
                      "meglehet", kNone}},
        IrregularRow{"elmegy", {kRegular, "elmenő", kRegular, kNone, "elmenetel / elmenés", "elmehet", kNone}},
        IrregularRow{"eljön", {kRegular, "eljövő", kRegular, "eljövendő", "eljövetel / eljövés", "eljöhet", kNone}},
        IrregularRow{"bejön", {kRegular, "bejövő", kRegular, kNone, "bejövetel / bejövés", "bejöhet", kNone}}));

// "sosincs", like "nincs", has no derived form at all, the infinitive included.
TEST(IrregularDerived, SosincsHasNoDerivedForm) {
  ConjugationState s = testing::stateForEntry("sosincs");
  s.derivedBoxes.fill(kRegular);
  kivetel(s);
  for (const std::string& box : s.derivedBoxes) EXPECT_EQ(box, kNone);
}

TEST(IrregularDerived, VanLeavesTheEmptyCutFlagAsTheCutLeftIt) {
  ConjugationState bare = testing::stateForEntry("van");
  kivetel(bare);
  EXPECT_EQ(bare.emptyCutFlag, "0");
  ConjugationState preverbed = testing::stateForEntry("megvan");
  kivetel(preverbed);
  EXPECT_EQ(preverbed.emptyCutFlag, "1");
}

}  // namespace
}  // namespace ragozo
