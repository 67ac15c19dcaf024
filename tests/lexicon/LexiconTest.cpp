// The lexicon's arrays and the choice of letter group.
#include "lexicon/Lexicon.h"

#include <gtest/gtest.h>

namespace ragozo {
namespace {

TEST(LetterGroup, FirstCharacterAloneChoosesTheGroup) {
  const std::pair<const char*, int> cases[] = {{"ad", 0},   {"ásít", 0}, {"ír", 5},  {"őriz", 9},
                                               {"ül", 14},  {"zúg", 14}, {"szán", 12}, {"csap", 2}};
  for (const auto& [word, group] : cases) EXPECT_EQ(letterGroup(word), group) << word;
}

TEST(LetterGroup, OtherFirstCharactersSelectNoGroup) {
  for (const char* word : {"Ad", "Ádám", "quiz", "watt", "xilofon", "yard", "1ad", " ad", "", "õriz", "ûz"}) {
    EXPECT_EQ(letterGroup(word), std::nullopt) << word;
  }
}

TEST(Lexicon, ElementsWithoutValueReadAsEmptyButAreNotAssigned) {
  Lexicon lexicon;
  EXPECT_EQ(lexicon.word(0, 700), "");
  EXPECT_FALSE(lexicon.wordAssigned(0, 700));
  lexicon.storeWord(0, 0, "");
  EXPECT_TRUE(lexicon.wordAssigned(0, 0));
  lexicon.storeWord(0, 1, "ad");
  lexicon.storeWord(0, 1, "ás");
  EXPECT_EQ(lexicon.word(0, 1), "ás");
  EXPECT_THROW(lexicon.storeCode(0, 701, "x"), std::out_of_range);
}

}  // namespace
}  // namespace ragozo
