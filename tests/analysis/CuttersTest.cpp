// The cutters: character counts, the limit-0 rule and the empty-cut flag.
#include "analysis/Cutters.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/EntryState.h"

namespace ragozo {
namespace {

using testing::stateForEntry;

struct CutCase {
  const char* name;
  const char* entry;
  const char* baseStem;  // put into the base stem field before the cut
  bool flagBefore;
  std::function<void(ConjugationState&)> cut;
  const char* expected;
  bool flagAfter;
};

TEST(Cutters, CutFromTheRightEndCountingCharacters) {
  const CutCase cases[] = {
      {"vag 5 of eszik with the flag raised empties it", "eszik", "", true, [](auto& s) { vag(s, 5); }, "", false},
      {"vag 5 of eszik with the flag lowered keeps it", "eszik", "", false, [](auto& s) { vag(s, 5); }, "eszik", false},
      {"vag 5 of megeszik ignores the raised flag", "megeszik", "", true, [](auto& s) { vag(s, 5); }, "meg", true},
      {"vag 3 of van with the flag raised empties it", "van", "", true, [](auto& s) { vag(s, 3); }, "", false},
      {"vag 3 of van without the flag keeps it", "van", "", false, [](auto& s) { vag(s, 3); }, "van", false},
      {"vag 5 of iszik with the flag raised empties it", "iszik", "", true, [](auto& s) { vag(s, 5); }, "", false},
      {"vag of a whole other word keeps it (limit 0)", "ad", "", false, [](auto& s) { vag(s, 2); }, "ad", false},
      {"vag 1 of ír cuts a character, not a byte", "ír", "", false, [](auto& s) { vag(s, 1); }, "í", false},
      {"vag 1 of fő keeps the f", "fő", "", false, [](auto& s) { vag(s, 1); }, "f", false},
      {"vag reads the entry without its blanks", "  ad ", "", false, [](auto& s) { vag(s, 1); }, "a", false},
      {"van of van is empty without any flag", "van", "", false, [](auto& s) { cutVanEnding(s); }, "", false},
      {"van of megvan", "megvan", "", false, [](auto& s) { cutVanEnding(s); }, "meg", false},
      {"dz of edz", "edz", "edz", false, [](auto& s) { dz(s); }, "e", false},
      {"sz of oml", "omlik", "oml", false, [](auto& s) { sz(s); }, "om", false},
      {"sz of nyű keeps ny", "nyű", "nyű", false, [](auto& s) { sz(s); }, "ny", false},
      {"dz3 of vész", "vész", "vész", false, [](auto& s) { dz3(s); }, "v", false},
      {"dz3 of a three-letter stem keeps it (limit 0)", "sző", "sző", false, [](auto& s) { dz3(s); }, "sző", false},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.name);
    ConjugationState s = stateForEntry(c.entry);
    s.baseStem.assign(c.baseStem);
    s.emptyCutFlag = c.flagBefore;
    c.cut(s);
    EXPECT_EQ(s.cutResult.text(), c.expected);
    EXPECT_EQ(s.emptyCutFlag, c.flagAfter);
  }
}

TEST(Cutters, FlagIsConsumedByOneCutOnly) {
  ConjugationState s = stateForEntry("eszik");
  s.emptyCutFlag = true;
  vag(s, 5);
  EXPECT_EQ(s.cutResult.text(), "");
  vag(s, 5);
  EXPECT_EQ(s.cutResult.text(), "eszik");
}

TEST(Cutters, CutLengthIsTheLimitLeftOnTheField) {
  ConjugationState s = stateForEntry("megeszik");
  vag(s, 5);
  EXPECT_EQ(s.cutResult.limit(), 3);
  s.baseStem.setLimit(4);
  s.baseStem.assign("edz");
  dz(s);
  dz(s);
  EXPECT_EQ(s.baseStem.limit(), 10) << "dz raises the base stem's limit by 3 on every call";
  EXPECT_EQ(s.baseStem.text(), "edz") << "a cut never changes its source";
}

TEST(Cutters, Vag3PutsTheEntryLessTwoIntoTheBaseStem) {
  ConjugationState s = stateForEntry("izzik");
  vag3(s);
  EXPECT_EQ(s.baseStem.text(), "izz");
}

}  // namespace
}  // namespace ragozo
