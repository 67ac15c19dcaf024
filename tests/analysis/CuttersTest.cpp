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
  const char* flagBefore;
  std::function<void(ConjugationState&)> cut;
  const char* expected;
  const char* flagAfter;
};

TEST(Cutters, CutFromTheRightEndCountingCharacters) {
  const CutCase cases[] = {
      {"vag 5 of eszik with the flag raised empties it", "eszik", "", "1", [](auto& s) { vag(s, 5); }, "", "0"},
      {"vag 5 of eszik with the flag lowered keeps it", "eszik", "", "0", [](auto& s) { vag(s, 5); }, "eszik", "0"},
      {"vag 5 of megeszik ignores the raised flag", "megeszik", "", "1", [](auto& s) { vag(s, 5); }, "meg", "1"},
      {"vag 3 of van with the flag raised empties it", "van", "", "1", [](auto& s) { vag(s, 3); }, "", "0"},
      {"vag 3 of van without the flag keeps it", "van", "", "", [](auto& s) { vag(s, 3); }, "van", ""},
      {"vag 5 of iszik with the flag raised empties it", "iszik", "", "1", [](auto& s) { vag(s, 5); }, "", "0"},
      {"vag of a whole other word keeps it (limit 0)", "ad", "", "", [](auto& s) { vag(s, 2); }, "ad", ""},
      {"vag 1 of ír cuts a character, not a byte", "ír", "", "", [](auto& s) { vag(s, 1); }, "í", ""},
      {"vag 1 of fő keeps the f", "fő", "", "", [](auto& s) { vag(s, 1); }, "f", ""},
      {"vag reads the entry without its blanks", "  ad ", "", "", [](auto& s) { vag(s, 1); }, "a", ""},
      {"van of van is empty without any flag", "van", "", "", [](auto& s) { van(s); }, "", ""},
      {"van of megvan", "megvan", "", "", [](auto& s) { van(s); }, "meg", ""},
      {"dz of edz", "edz", "edz", "", [](auto& s) { dz(s); }, "e", ""},
      {"sz of oml", "omlik", "oml", "", [](auto& s) { sz(s); }, "om", ""},
      {"sz of nyű keeps ny", "nyű", "nyű", "", [](auto& s) { sz(s); }, "ny", ""},
      {"dz3 of vész", "vész", "vész", "", [](auto& s) { dz3(s); }, "v", ""},
      {"dz3 of a three-letter stem keeps it (limit 0)", "sző", "sző", "", [](auto& s) { dz3(s); }, "sző", ""},
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
  s.emptyCutFlag = '1';
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
