// Stripping a preverb: longer preverbs that begin with shorter ones go first.
#include "analysis/Preverbs.h"

#include <gtest/gtest.h>

#include "support/EntryState.h"

namespace ragozo {
namespace {

using testing::stateForEntry;

TEST(Keres2, SplitsTheEntryAfterItsPreverb) {
  struct Case {
    const char* entry;
    const char* prefix;
    const char* remainder;
  };
  const Case cases[] = {
      {"elmegy", "el", "megy"},
      {"előremegy", "előre", "megy"},  // not "el" nor "elő"
      {"előad", "elő", "ad"},
      {"eléáll", "elé", "áll"},
      {"belenéz", "bele", "néz"},      // not "be"
      {"bele", "bele", ""},
      {"bennmarad", "benn", "marad"},  // not "be"
      {"felülír", "felül", "ír"},
      {"felír", "fel", "ír"},
      {"ellenjegyez", "ellen", "jegyez"},
      {"alábbhagy", "alább", "hagy"},
      {"utánanéz", "utána", "néz"},
      {"utánfut", "után", "fut"},
      {"át", "át", ""},
      {"keresztülmegy", "keresztül", "megy"},
      {"kölcsönvesz", "kölcsön", "vesz"},
      {"visszaad", "vissza", "ad"},
      {"  elmegy ", "el", "megy"},  // the entry is read without its blanks
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    ConjugationState s = stateForEntry(c.entry);
    s.prefix = "old";
    keres2(s);
    EXPECT_EQ(s.prefixState, stripped);
    EXPECT_EQ(s.prefix, c.prefix);
    EXPECT_EQ(s.remainder, c.remainder);
  }
}

TEST(Keres2, AnEntryWithoutAListedPreverbKeepsItsRemainder) {
  for (const char* entry : {"Elmegy", "ad", "e", "", "ÁTmegy"}) {
    SCOPED_TRACE(entry);
    ConjugationState s = stateForEntry(entry);
    s.prefix = "old";
    s.remainder = "earlier";
    keres2(s);
    EXPECT_EQ(s.prefixState, noneFound);
    EXPECT_EQ(s.prefix, "");
    EXPECT_EQ(s.remainder, "earlier");
  }
}

}  // namespace
}  // namespace ragozo
