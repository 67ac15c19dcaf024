// The past indicative: marker, third person ending and slots by class and vowel class.
#include "inflection/PastIndicative.h"

#include <gtest/gtest.h>

#include "inflection/SlotRows.h"
#include "support/EntryState.h"

namespace ragozo {
namespace {

using testing::SlotRow;

ConjugationState pastState(const char* verb, const char* classCode, int vowelClass, const char* baseStem) {
  ConjugationState s = testing::stateForEntry(verb);
  s.classCode = classCode;
  s.vowelClass = static_cast<VowelClass>(vowelClass);
  s.baseStem.assign(baseStem);
  s.stem = baseStem;
  return s;
}

struct PastCase {
  const char* verb;
  const char* classCode;
  int vowelClass;
  const char* baseStem;
  const char* marker;
  const char* pastThird;
  SlotRow slots;
};

void PrintTo(const PastCase& c, std::ostream* os) { *os << c.verb << " (" << c.classCode << ")"; }

class PastSlots : public ::testing::TestWithParam<PastCase> {};

TEST_P(PastSlots, MarkerThirdPersonAndSlots) {
  const PastCase& c = GetParam();
  ConjugationState s = pastState(c.verb, c.classCode, c.vowelClass, c.baseStem);
  mult(s);
  EXPECT_EQ(s.marker, c.marker);
  EXPECT_EQ(s.pastThird, c.pastThird);
  EXPECT_EQ(s.endings, testing::slotsOf(c.slots));
}

INSTANTIATE_TEST_SUITE_P(
    Paradigms, PastSlots,
    ::testing::Values(
        PastCase{"ad", "07", 1, "ad", "t", "ott",
                 {"tam", "tam", "tál", "tad", "ott", "ta", "tunk", "tuk", "tatok", "tátok", "tak", "ták", "talak"}},
        PastCase{"kér", "01", 2, "kér", "t", "t",
                 {"tem", "tem", "tél", "ted", "t", "te", "tünk", "tük", "tetek", "tétek", "tek", "ték", "telek"}},
        PastCase{"küld", "10", 3, "küld", "t", "ött",
                 {"tem", "tem", "tél", "ted", "ött", "te", "tünk", "tük", "tetek", "tétek", "tek", "ték", "telek"}},
        PastCase{"ajánl", "04", 1, "ajánl", "ott", "ott",
                 {"ottam", "ottam", "ottál", "ottad", "ott", "otta", "ottunk", "ottuk", "ottatok", "ottátok",
                  "ottak", "ották", "ottalak"}},
        PastCase{"hisz", "25", 2, "hisz", "tt", "tt",
                 {"ttem", "ttem", "ttél", "tted", "tt", "tte", "ttünk", "ttük", "ttetek", "ttétek", "ttek", "tték",
                  "ttelek"}},
        PastCase{"lő", "24", 3, "lő", "tt", "tt",
                 {"ttem", "ttem", "ttél", "tted", "tt", "tte", "ttünk", "ttük", "ttetek", "ttétek", "ttek", "tték",
                  "ttelek"}},
        PastCase{"alszik", "3c", 1, "alsz", "t", "t",
                 {"tam", "tam", "tál", "tad", "t", "ta", "tunk", "tuk", "tatok", "tátok", "tak", "ták", "talak"}}));

TEST(PastMarker, AlapszikBecomesClassOneAndTakesT) {
  ConjugationState s = pastState("alapszik", "58", 1, "alapsz");
  mult(s);
  EXPECT_EQ(s.classCode, "01");
  EXPECT_EQ(s.marker, "t");
  EXPECT_EQ(s.pastThird, "t");
  EXPECT_EQ(s.stem + s.endings.sg1Subj, "alapultam");
  EXPECT_EQ(s.stem + s.endings.sg3Subj, "alapult");
}

TEST(PastMarker, UnknownVowelClassKeepsTheThirdPersonEnding) {
  ConjugationState s = pastState("ajánl", "04", 0, "ajánl");
  s.pastThird = "earlier";
  multjel(s);
  EXPECT_EQ(s.pastThird, "earlier");
  EXPECT_EQ(s.marker, "earlier");
}

// "aránylik" (class "6d") once took whatever marker an earlier run left; it
// now takes the markers of its neighbour "64", the linking vowel in every
// person ("aránylottam", never "arányltam"), like "viszonylik".
TEST(PastMarker, AranylikTakesTheMarkersOfItsNeighbour) {
  for (const char* classCode : {"6d", "64"}) {
    ConjugationState s = pastState("aránylik", classCode, 1, "arányl");
    s.marker = "left over";
    s.pastThird = "left over";
    mult(s);
    EXPECT_EQ(s.marker, "ott") << classCode;
    EXPECT_EQ(s.stem + s.endings.sg1Subj, "aránylottam") << classCode;
    EXPECT_EQ(s.stem + s.endings.sg3Subj, "aránylott") << classCode;
    EXPECT_EQ(s.stem + s.endings.pl3Obj, "aránylották") << classCode;
  }
}

}  // namespace
}  // namespace ragozo
