// The code split by position, the class and the vowel class.
#include "analysis/VerbCode.h"

#include <gtest/gtest.h>

#include "support/EntryState.h"
#include "support/RecordingDialogs.h"

namespace ragozo {
namespace {

using testing::RecordingDialogs;
using testing::stateForEntry;

struct SplitCase {
  const char* code;
  const char* vowelUsage;
  const char* lexiconClassCode;
  const char* valenceCode;
  const char* causativeKind;  // the code character it stands for
  int sg1To2Digit;
  bool noImperative;
};

TEST(Tordel, SplitsTheCodeByPositionFromTheRight) {
  const SplitCase cases[] = {
      {"110116011", "101", "16", "01", "0", 1, 0},
      {"21M101200", "1M1", "01", "20", "2", 0, 0},
      {"21P113011", "1P1", "13", "01", "0", 1, 1},
      {"11O140000", "1O1", "40", "00", "0", 0, 0},
      {"12013a000", "201", "3a", "00", "0", 0, 0},
      {"1X01198002", "011", "98", "00", "0", 2, 0},  // ten characters: the last eight count
      {"2Q1101500", "Q11", "01", "50", "5", 0, 0},
      {"11R101012", "1R1", "01", "01", "0", 2, 1},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.code);
    ConjugationState s = stateForEntry("ad");
    s.verbCode = c.code;
    RecordingDialogs dialogs;
    tordel(s, dialogs);
    EXPECT_EQ(s.vowelUsage, c.vowelUsage);
    EXPECT_EQ(s.lexiconClassCode, c.lexiconClassCode);
    EXPECT_EQ(s.valenceCode, c.valenceCode);
    EXPECT_EQ(s.causativeKind, causativeKindOf(*c.causativeKind));
    EXPECT_EQ(s.sg1To2Digit, c.sg1To2Digit);
    EXPECT_EQ(s.noImperative, c.noImperative);
    EXPECT_TRUE(s.codeSplit);
    EXPECT_TRUE(dialogs.events().empty());
  }
}

TEST(Csoport, CopiesTheLexiconClass) {
  ConjugationState s = stateForEntry("ad");
  s.lexiconClassCode = "3a";
  csoport(s);
  s.lexiconClassCode = "changed";
  EXPECT_EQ(s.classCode, "3a");
}

TEST(Tipus, TakesTheVowelClassFromTheVowelDigit) {
  struct Case {
    const char* vowelUsage;
    VowelClass vowelClass;
  };
  for (const Case& c : {Case{"101", back}, Case{"2M1", frontUnrounded}, Case{"301", frontRounded},
                        Case{"011", frontRounded}, Case{"", frontRounded}}) {
    SCOPED_TRACE(c.vowelUsage);
    ConjugationState s;
    s.vowelUsage = c.vowelUsage;
    tipus(s);
    EXPECT_EQ(s.vowelClass, c.vowelClass);
  }
}

}  // namespace
}  // namespace ragozo
