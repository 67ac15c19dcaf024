// Impossible endings, the special patterns and the vowel guess.
#include "analysis/EndingRules.h"

#include <gtest/gtest.h>

#include "support/EntryState.h"
#include "support/FixtureLexicon.h"

namespace ragozo {
namespace {

using testing::fixtureLexicon;
using testing::stateForEntry;

TEST(Kizar, RejectsStackedSuffixes) {
  for (const char* entry : {"olvashattat", "kérhettet", "olvashatat", "kérhetet", "hatat", "mostatat", "kérgetgat",
                            "kérhethet", "tanulul", "ülül", "ítít", "tanulít", "kerítul",
                            "nemzikik", "kikörülül", "hattat "}) {
    SCOPED_TRACE(entry);
    ConjugationState s = stateForEntry(entry);
    kizar(s, fixtureLexicon());
    EXPECT_EQ(s.impossibleEnding, 1);
  }
}

// "megetet" ends in "getet" but is a verb of the lexicon: a verb found as typed is never rejected.
TEST(Kizar, LetsThroughOrdinaryEndingsAndLexiconVerbs) {
  for (const char* entry : {"körülül", "megetet", "olvastat", "kérhet", "tanul", "ül", "ad", "", "Hatat"}) {
    SCOPED_TRACE(entry);
    ConjugationState s = stateForEntry(entry);
    kizar(s, fixtureLexicon());
    EXPECT_EQ(s.impossibleEnding, 0);
  }
}

TEST(Kizar, NeverLowersTheFlag) {
  ConjugationState s = stateForEntry("ad");
  s.impossibleEnding = 1;
  kizar(s, fixtureLexicon());
  EXPECT_EQ(s.impossibleEnding, 1);
}

TEST(Mintak, GivesTheSpecialPatternsTheUnstableVowelClass) {
  struct Case {
    const char* entry;
    int vowelClass;
  };
  for (const Case& c : {Case{"leomol", back}, Case{"omol", back}, Case{"szétfoszol", back},
                        Case{"megörvényel", frontUnrounded}}) {
    SCOPED_TRACE(c.entry);
    ConjugationState s = stateForEntry(c.entry);
    mintak(s);
    EXPECT_EQ(s.patternMatched, 1);
    EXPECT_EQ(s.classCode, "05");
    EXPECT_EQ(s.lexiconClassCode, "05");
    EXPECT_EQ(s.vowelClass, c.vowelClass);
    EXPECT_EQ(s.stem, c.entry);
    EXPECT_EQ(s.baseStem.text(), c.entry);
  }
}

TEST(Mintak, AnyOtherEntryChangesNothing) {
  ConjugationState s = stateForEntry("omlik");
  s.vowelClass = 3;
  mintak(s);
  EXPECT_EQ(s.patternMatched, 0);
  EXPECT_EQ(s.vowelClass, 3);
  EXPECT_EQ(s.classCode, "");
  EXPECT_EQ(s.stem, "");
}

// After a back-vowel preverb, the last vowel other than "i" and "í" decides: the
// harmony of a compound is its last member's ("korszerűsít", "autószerel").
TEST(Keres, TheLastVowelAfterABackVowelPreverbDecides) {
  struct Case {
    const char* entry;
    int vowelClass;
  };
  const Case cases[] = {
      {"átkések", frontUnrounded},  // the "á" of "át" is skipped
      {"elkapar", back},            // "el" is not skipped; it holds no back vowel
      {"rá", frontUnrounded},       // nothing left after the preverb
      {"viszontérez", frontUnrounded},
      {"visszakér", frontUnrounded},
      {"visszaad", back},
      {"utánakér", frontUnrounded},  // the final "a" belongs to "utána"
      {"utánfut", back},
      {"fehérít", frontUnrounded},
      {"Alszom", back},  // the vowel search alone ignores case
      {"ÚjÍt", back},
      {"megüt", frontUnrounded},
      {"tanít", back},  // "i" and "í" decide nothing
      {"korszerűsít", frontUnrounded},
      {"autószerel", frontUnrounded},
      {"számítógépesít", frontUnrounded},
      {"tintásít", back},
      {"kódolhatatlanít", back},
      {"sínrevisz", frontUnrounded},  // only "i", "í" and "e": the "e" decides
      {"tilt", frontUnrounded},       // no deciding vowel at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    ConjugationState s = stateForEntry(c.entry);
    keres(s);
    EXPECT_EQ(s.vowelClass, c.vowelClass);
  }
}

}  // namespace
}  // namespace ragozo
