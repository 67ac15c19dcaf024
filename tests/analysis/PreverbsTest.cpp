// Splitting a preverb off: longer preverbs that begin with shorter ones go first.
#include "analysis/Preverbs.h"

#include <gtest/gtest.h>

namespace ragozo {
namespace {

TEST(Preverbs, SplitTheEntryAfterItsPreverb) {
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
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    const std::optional<PreverbSplit> split = splitPreverb(c.entry);
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(split->preverb, c.prefix);
    EXPECT_EQ(split->remainder, c.remainder);
  }
}

TEST(Preverbs, AnEntryWithoutAListedPreverbHasNone) {
  for (const char* entry : {"Elmegy", "ad", "e", "", "ÁTmegy"}) {
    SCOPED_TRACE(entry);
    EXPECT_FALSE(splitPreverb(entry).has_value());
  }
}

}  // namespace
}  // namespace ragozo
