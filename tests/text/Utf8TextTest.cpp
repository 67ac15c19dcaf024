// Character counting over Hungarian text.
#include "text/Utf8Text.h"

#include <gtest/gtest.h>

namespace ragozo {
namespace {

TEST(Utf8Text, CountsCharactersNotBytes) {
  EXPECT_EQ(charCount("ír"), 2u);
  EXPECT_EQ(charCount("nyű"), 3u);
  EXPECT_EQ(charCount(""), 0u);
}

struct CutCase {
  const char* text;
  std::size_t n;
  const char* left;
  const char* right;
  const char* dropped;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.text << " cut " << c.n; }

class Cuts : public testing::TestWithParam<CutCase> {};

TEST_P(Cuts, KeepWholeCharactersAndStayWithinTheText) {
  const CutCase& c = GetParam();
  EXPECT_EQ(leftChars(c.text, c.n), c.left);
  EXPECT_EQ(rightChars(c.text, c.n), c.right);
  EXPECT_EQ(dropLastChars(c.text, c.n), c.dropped);
}

INSTANTIATE_TEST_SUITE_P(Hungarian, Cuts,
                         testing::Values(CutCase{"ír", 1, "í", "r", "í"}, CutCase{"nyű", 2, "ny", "yű", "n"},
                                         CutCase{"fő", 1, "f", "ő", "f"}, CutCase{"eszik", 0, "", "", "eszik"},
                                         CutCase{"ad", 5, "ad", "ad", ""}));

TEST(Utf8Text, MidCountsFromOneAndStopsAtTheEnd) {
  EXPECT_EQ(midChars("őriz", 2, 2), "ri");
  EXPECT_EQ(midChars("őriz", 1, 1), "ő");
  EXPECT_EQ(midChars("őriz", 3), "iz");
  EXPECT_EQ(midChars("őriz", 9, 2), "");
}

TEST(Utf8Text, LastCharIsOneWholeCharacter) {
  EXPECT_EQ(lastChar("fő"), "ő");
  EXPECT_EQ(lastChar("ír"), "r");
  EXPECT_EQ(lastChar(""), "");
  EXPECT_EQ(lastChar("\x80\x80"), "\x80\x80");  // stray continuation bytes stay together
}

TEST(Utf8Text, TrimRemovesWhiteSpaceOfEveryKindAtBothEndsOnly) {
  EXPECT_EQ(trimBlanks("  ugrik "), "ugrik");
  EXPECT_EQ(trimBlanks("\tugrik\r\n"), "ugrik");
  EXPECT_EQ(trimBlanks("\v\fugrik\n"), "ugrik");
  EXPECT_EQ(trimBlanks("\xC2\xA0\xE2\x80\x83" "ugrik\xE3\x80\x80\xC2\x85"), "ugrik");
  EXPECT_EQ(trimBlanks(" ug\trik\xC2\xA0" "x "), "ug\trik\xC2\xA0" "x");  // inside, white space stays
  EXPECT_EQ(trimBlanks("\xC2\xA1ugrik\xE2\x80\x8B"), "\xC2\xA1ugrik\xE2\x80\x8B");  // neither is white space
  EXPECT_EQ(trimBlanks(" \t\xE2\x80\xA8 "), "");
  EXPECT_TRUE(isBlank(" \t\r\n\v\f\xE2\x80\xAF"));
  EXPECT_TRUE(isBlank(""));
  EXPECT_FALSE(isBlank(" \x85"));  // a stray continuation byte is no blank
}

TEST(Utf8Text, LowerCaseFoldsTheCapitalsOfTheHungarianAlphabetOnly) {
  EXPECT_EQ(lowerCase("ESZIK"), "eszik");
  EXPECT_EQ(lowerCase("Megy"), "megy");
  EXPECT_EQ(lowerCase("ÁÉÍÓÖŐÚÜŰ"), "áéíóöőúüű");
  EXPECT_EQ(lowerCase("Őriz ŰZ"), "őriz űz");
  EXPECT_EQ(lowerCase("áéíóöőúüű az"), "áéíóöőúüű az");
  // Letters of other alphabets, and bytes that are no letter, stay as they are.
  EXPECT_EQ(lowerCase("ÄÔÇ Ω"), "ÄÔÇ Ω");
  EXPECT_EQ(lowerCase("\xC3"), "\xC3");
  EXPECT_EQ(lowerCase("\xC3\x41"), "\xC3" "a");
}

}  // namespace
}  // namespace ragozo
