// The vowel class guessed for a verb the lexicon lacks.
#include "analysis/VowelGuess.h"

#include <gtest/gtest.h>

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
// other than "i" and "í" decides ("korszerűsít", "autószerel" front).
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

}  // namespace
}  // namespace ragozo
