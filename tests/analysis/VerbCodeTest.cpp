// The code decoded by position: preverb, vowel class, usage, class, causative kind, objective use and
// how the -lak/-lek form shows.
#include "analysis/VerbCode.h"

#include <gtest/gtest.h>

namespace ragozo {
namespace {

using enum ClassProperty;

struct DecodeCase {
  const char* code;
  bool beginsWithPreverb;
  VowelClass vowelClass;
  PersonsUsed persons;
  bool usedInImperative;
  const char* verbClass;
  CausativeKind causative;
  bool usedObjectively;
  bool firstToSecondInBrackets;
};

TEST(VerbCode, IsReadByPositionFromTheRight) {
  using enum CausativeKind;
  using enum PersonsUsed;
  const DecodeCase cases[] = {
      {"110116011", false, back, all, true, "16", longSuffix, true, false},
      {"21M101200", true, back, thirdPersons, true, "01", noCausative, false, true},
      {"21P113011", true, back, all, false, "13", longSuffix, true, false},
      {"12T164200", false, frontUnrounded, all, false, "64", noCausative, false, true},  // díszlik
      {"11O140000", false, back, thirdPersonSingular, true, "40", longSuffix, false, true},
      {"12013a000", false, frontUnrounded, all, true, "3a", longSuffix, false, true},
      {"13R101112", false, frontRounded, thirdPersons, false, "01", shortSuffix, true, true},
      // ten characters: the last eight count
      {"1X01198002", false, frontRounded, all, true, "98", longSuffix, false, true},
      // "Q1" is no usage at the place of "11"
      {"2Q1101500", true, frontRounded, all, true, "01", longSuffix, false, true},
      // "3" to "9" show the form plain
      {"11012a013", false, back, all, true, "2a", longSuffix, true, false},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.code);
    const VerbCode code = decodeVerbCode(c.code);
    EXPECT_EQ(code.beginsWithPreverb, c.beginsWithPreverb);
    EXPECT_EQ(code.vowelClass, c.vowelClass);
    EXPECT_EQ(code.persons, c.persons);
    EXPECT_EQ(code.usedInImperative, c.usedInImperative);
    EXPECT_EQ(code.verbClass, VerbClass::fromCode(c.verbClass));
    EXPECT_EQ(code.causative, c.causative);
    EXPECT_EQ(code.usedObjectively, c.usedObjectively);
    EXPECT_EQ(code.firstToSecondInBrackets, c.firstToSecondInBrackets);
  }
}

TEST(VerbCode, TheUsageEndingInTwoKeepsTheFutureParticiple) {
  EXPECT_TRUE(decodeVerbCode("110201200").futureParticipleByUsage);
  EXPECT_FALSE(decodeVerbCode("110101200").futureParticipleByUsage);
}

// A code shorter than nine characters is read as far as it goes; the empty code says nothing.
TEST(VerbCode, AShortCodeIsReadAsFarAsItGoes) {
  EXPECT_EQ(decodeVerbCode(""), VerbCode{});
  const VerbCode code = decodeVerbCode("11");
  EXPECT_EQ(code.vowelClass, back);
  EXPECT_EQ(code.verbClass, VerbClass::fromCode("11"));
}

TEST(VerbClass, ACodeNoRuleKnowsIsNoClass) {
  for (const char* code : {"", "1", "001", "zz", "3e", "A1", "é"}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(VerbClass::fromCode(code), VerbClass{});
    EXPECT_FALSE(VerbClass::fromCode(code).is(conditionalMarkerN));
  }
}

}  // namespace
}  // namespace ragozo
