// The lexicon search: the group of the first character, the lower index first.
#include "analysis/LexiconSearch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/FixtureLexicon.h"

namespace ragozo {
namespace {

using testing::fixtureLexicon;

TEST(LexiconSearch, FindsTheWordInTheGroupOfItsFirstCharacter) {
  struct Case {
    const char* word;
    const char* code;  // nullptr: not found
  };
  const Case cases[] = {
      {"ad", "110107111"}, {"ír", "110101011"}, {"őriz", "130119011"}, {"ül", "130101010"}, {"zúg", "110107000"},
      {"ax", nullptr},     {"ugrik ", nullptr},  // a trailing blank is part of the word
      // A first character that selects no group.
      {"Ad", nullptr},     {"quiz", nullptr},   {"wow", nullptr},     {"xy", nullptr},     {"yo", nullptr},
      {"1ad", nullptr},    {" ad", nullptr},    {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    const std::optional<std::string_view> code = codeOf(fixtureLexicon(), c.word);
    EXPECT_EQ(code.has_value(), c.code != nullptr);
    if (code && c.code) {
      EXPECT_EQ(*code, c.code);
    }
  }
}

TEST(LexiconSearch, TheLowerIndexWinsAndEmptyElementsNeverMatch) {
  Lexicon lexicon;
  lexicon.storeWord(0, 1, "");
  lexicon.storeCode(0, 1, "000000000");
  lexicon.storeWord(0, 5, "ad");
  lexicon.storeCode(0, 5, "110107111");
  lexicon.storeWord(0, 9, "ad");
  lexicon.storeCode(0, 9, "999999999");
  EXPECT_EQ(codeOf(lexicon, "ad"), std::optional<std::string_view>("110107111"));
  EXPECT_TRUE(lexiconHolds(lexicon, "ad"));
  EXPECT_FALSE(lexiconHolds(lexicon, ""));
}

}  // namespace
}  // namespace ragozo
