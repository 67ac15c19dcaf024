// The fixture lexicon holds every word once, in its group, with a well-formed code.
#include "support/FixtureLexicon.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/Utf8Text.h"

namespace ragozo::testing {
namespace {

TEST(FixtureLexicon, EveryEntryIsStoredOnceInItsGroupWithANineCharacterCode) {
  const Lexicon& lexicon = fixtureLexicon();
  std::set<std::string_view> seen;
  for (const FixtureEntry& entry : fixtureEntries()) {
    EXPECT_TRUE(seen.insert(entry.word).second) << "twice: " << entry.word;
    EXPECT_EQ(charCount(entry.code), 9u) << entry.word;
    const auto group = letterGroup(entry.word);
    ASSERT_TRUE(group.has_value()) << entry.word;
    bool stored = false;
    for (int i = 1; i <= Lexicon::bound(*group) && !stored; ++i) {
      stored = lexicon.word(*group, i) == entry.word && lexicon.code(*group, i) == entry.code;
    }
    EXPECT_TRUE(stored) << entry.word;
  }
}

}  // namespace
}  // namespace ragozo::testing
