// The lexicon search: the group of the first character, the lower index first.
#include "analysis/Lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "support/FixtureLexicon.h"

namespace ragozo {
namespace {

using testing::fixtureLexicon;

TEST(Lista, FindsTheWordInTheGroupOfItsFirstCharacter) {
  struct Case {
    const char* searchWord;
    const char* foundWord;
    const char* verbCode;
  };
  const Case cases[] = {
      {"ad", "ad", "110107111"},      {"ír", "ír", "110101011"},    {"őriz", "őriz", "130119011"},
      {"ül", "ül", "130101010"},      {"zúg", "zúg", "110107000"},  {"ax", "nulla", ""},
      {"ugrik ", "nulla", ""},  // a trailing blank is part of the word
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.searchWord);
    ConjugationState s;
    s.verbCode = "before";
    s.searchWord = c.searchWord;
    lista(s, fixtureLexicon());
    EXPECT_EQ(s.foundWord, c.foundWord);
    EXPECT_EQ(s.verbCode, c.verbCode);
  }
}

TEST(Lista, AWordThatSelectsNoGroupIsNotSearched) {
  for (const char* word : {"Ad", "quiz", "wow", "xy", "yo", "1ad", " ad", ""}) {
    SCOPED_TRACE(word);
    ConjugationState s;
    s.verbCode = "before";
    s.searchWord = word;
    lista(s, fixtureLexicon());
    EXPECT_EQ(s.foundWord, "nulla");
    EXPECT_EQ(s.verbCode, "before");
  }
}

TEST(Lista, TheLowerIndexWinsAndEmptyElementsNeverMatch) {
  Lexicon lexicon;
  lexicon.storeWord(0, 1, "");
  lexicon.storeCode(0, 1, "000000000");
  lexicon.storeWord(0, 5, "ad");
  lexicon.storeCode(0, 5, "110107111");
  lexicon.storeWord(0, 9, "ad");
  lexicon.storeCode(0, 9, "999999999");
  ConjugationState s{};
  s.searchWord = std::string("ad");
  lista(s, lexicon);
  EXPECT_EQ(s.verbCode, "110107111");
  EXPECT_TRUE(lexiconHolds(lexicon, "ad"));
  EXPECT_FALSE(lexiconHolds(lexicon, ""));
}

}  // namespace
}  // namespace ragozo
