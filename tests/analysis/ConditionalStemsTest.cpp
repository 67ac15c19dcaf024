// The conditional marker and stems.
#include "analysis/ConditionalStems.h"

#include <gtest/gtest.h>

#include "support/AnalysisSteps.h"

namespace ragozo {
namespace {

using testing::analysed;

TEST(Ennek, ChoosesTheMarkerAndTheConditionalStem) {
  struct Case {
    const char* entry;
    const char* marker;
    const char* stem;
    const char* classCode;
    int vowelClass;
  };
  const Case cases[] = {
      {"akad", "n", "akad", "01", back},
      {"alapszik", "n", "alapsz", "01", back},  // class "58" takes "an" but alapszik is conjugated as "01"
      {"akaszt", "an", "akaszt", "14", back},
      {"fest", "en", "fest", "15", frontUnrounded},
      {"fürdik", "en", "fürd", "89", frontRounded},  // no rounded variant
      {"eszik", "nn", "e", "37", frontUnrounded},
      {"iszik", "nn", "i", "37", back},
      {"hisz", "nn", "hi", "25", frontUnrounded},
      {"tesz", "nn", "te", "25", frontUnrounded},
      {"visz", "nn", "vi", "25", frontUnrounded},
      {"vész", "n", "vesz", "2a", frontUnrounded},
      {"elvész", "n", "elvesz", "2a", frontUnrounded},
      {"van", "n", "len", "99", frontUnrounded},  // "van" is front in the conditional
      {"megvan", "n", "meglen", "99", frontUnrounded},
      {"megy", "n", "men", "99", frontUnrounded},
      {"elmegy", "n", "elmen", "99", frontUnrounded},
      {"jön", "n", "jön", "99", frontRounded},
      {"sosincs", "n", "sosincs", "99", frontUnrounded},
      {"aránylik", "an", "arányl", "64", back},  // the -lik verbs after a consonant
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    ConjugationState s = analysed(c.entry, presentConditional);
    s.marker = "unchanged";
    ennek(s);
    EXPECT_EQ(s.marker, c.marker);
    EXPECT_EQ(s.stem, c.stem);
    EXPECT_EQ(s.classCode, c.classCode);
    EXPECT_EQ(s.vowelClass, c.vowelClass);
  }
}

TEST(Ennek, AnInvalidVowelClassLeavesTheLinkingMarker) {
  ConjugationState s = analysed("akaszt", presentConditional);
  s.vowelClass = 0;
  s.marker = "unchanged";
  ennek(s);
  EXPECT_EQ(s.marker, "unchanged");
}

}  // namespace
}  // namespace ragozo
