// The patterns that classify a verb of an unstable vowel the lexicon lacks.
#include "analysis/EndingGuess.h"

#include <gtest/gtest.h>

#include <optional>

namespace ragozo {
namespace {

// Only the endings "omol", "foszol" and "örvényel" name a verb of an unstable vowel; their
// neighbours in the lexicon ("omlik", "foszlik") and other endings in -ol/-el are no pattern.
TEST(PatternGuess, OnlyThePatternsOfAnUnstableVowelGiveItsClass) {
  struct Case {
    const char* verb;
    VowelClass vowel;
  };
  for (const Case& c : {Case{"leomol", back}, Case{"szétfoszol", back}, Case{"megörvényel", frontUnrounded}}) {
    const std::optional<VerbCode> guess = guessFromPattern(c.verb);
    ASSERT_TRUE(guess.has_value()) << c.verb;
    EXPECT_EQ(guess->verbClass, kUnstableVowelClass) << c.verb;
    EXPECT_EQ(guess->vowelClass, c.vowel) << c.verb;
    EXPECT_FALSE(guess->usedObjectively) << c.verb;
  }
  for (const char* verb : {"omlik", "foszlik", "örvénylik", "mol", "gondol", "énekel"}) {
    EXPECT_FALSE(guessFromPattern(verb).has_value()) << verb << " taken for a pattern";
  }
}

}  // namespace
}  // namespace ragozo
