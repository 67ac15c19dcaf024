// The vowel class guessed for a verb the lexicon lacks, and the patterns of an unstable vowel.
#include "analysis/VowelGuess.h"

#include <gtest/gtest.h>

#include <optional>

#include "analysis/EndingGuess.h"

namespace ragozo {
namespace {

const char* nameOf(VowelClass vowel) {
  switch (vowel) {
    case back: return "back";
    case frontUnrounded: return "front unrounded";
    case frontRounded: return "front rounded";
  }
  return "?";
}

// Harmony follows the last member of a compound: after a back-vowel preverb, the last vowel
// other than "i" and "í" decides ("korszerűsít", "autószerel" front), in either case.
TEST(VowelGuess, TheLastVowelAfterABackVowelPreverbDecides) {
  struct Case {
    const char* verb;
    VowelClass vowel;
  };
  const Case cases[] = {
      {"átkések", frontUnrounded},     // the "á" of "át" is skipped
      {"elkapar", back},               // "el" is not skipped; it holds no back vowel
      {"rá", frontUnrounded},          // nothing left after the preverb
      {"viszontérez", frontUnrounded},
      {"visszakér", frontUnrounded},
      {"visszaad", back},
      {"utánakér", frontUnrounded},    // the final "a" belongs to "utána"
      {"utánfut", back},
      {"fehérít", frontUnrounded},
      {"Alszom", back},                // capitals count as their small letters
      {"ÚjÍt", back},
      {"megüt", frontUnrounded},       // never front rounded: the endings round it where they must
      {"tanít", back},                 // "i" and "í" decide nothing
      {"korszerűsít", frontUnrounded},
      {"autószerel", frontUnrounded},
      {"számítógépesít", frontUnrounded},
      {"tintásít", back},
      {"kódolhatatlanít", back},
      {"sínrevisz", frontUnrounded},   // only "i", "í" and "e": the "e" decides
      {"tilt", frontUnrounded},        // no deciding vowel at all
  };
  for (const Case& c : cases) {
    const VowelClass guessed = guessVowelClass(c.verb);
    EXPECT_EQ(guessed, c.vowel) << c.verb << ": wanted " << nameOf(c.vowel) << ", guessed " << nameOf(guessed);
  }
}

// Only the endings "omol", "foszol" and "örvényel" name a verb of an unstable vowel; their
// neighbours in the lexicon ("omlik", "foszlik") and other endings in -ol/-el are no pattern.
TEST(VowelGuess, OnlyThePatternsOfAnUnstableVowelGiveItsClass) {
  struct Case {
    const char* verb;
    VowelClass vowel;
  };
  for (const Case& c : {Case{"leomol", back}, Case{"szétfoszol", back}, Case{"megörvényel", frontUnrounded}}) {
    const std::optional<Guess> guess = guessFromPattern(c.verb);
    ASSERT_TRUE(guess.has_value()) << c.verb;
    EXPECT_EQ(guess->verbClass, kUnstableVowelClass) << c.verb;
    EXPECT_EQ(guess->vowelClass, c.vowel) << c.verb << ": " << nameOf(guess->vowelClass);
    EXPECT_FALSE(guess->usedObjectively) << c.verb;
  }
  for (const char* verb : {"omlik", "foszlik", "örvénylik", "mol", "gondol", "énekel"}) {
    EXPECT_FALSE(guessFromPattern(verb).has_value()) << verb << " taken for a pattern";
  }
}

}  // namespace
}  // namespace ragozo
