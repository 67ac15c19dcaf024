// The plain stem, the -szik stems of bovit2 and the linking-vowel stems of bovit.
#include "analysis/PlainStems.h"

#include <gtest/gtest.h>

#include "support/EntryState.h"

namespace ragozo {
namespace {

using testing::stateForEntry;

struct StemCase {
  const char* entry;
  const char* classCode;
  VowelClass vowelClass;
  const char* stem;
  const char* baseStem;
};

// Runs `ige` on the case's entry with its class and vowel class, and checks both stems.
void expectIgeStems(const StemCase& c) {
  SCOPED_TRACE(c.entry);
  ConjugationState s = stateForEntry(c.entry);
  s.classCode = c.classCode;
  s.vowelClass = c.vowelClass;
  ige(s);
  EXPECT_EQ(s.stem, c.stem);
  EXPECT_EQ(s.baseStem.text(), c.baseStem);
}

TEST(Ige, TakesTheEntryLessAFinalIk) {
  const StemCase cases[] = {
      {"ad", "07", back, "ad", "ad"},
      {"ugrik", "42", back, "ugr", "ugr"},
      {"ugrik ", "42", back, "ugr", "ugr"},  // blanks around the entry are no part of the verb
      {" ugrik", "42", back, "ugr", "ugr"},
      {"ír", "01", back, "ír", "ír"},
      {"nyű", "24", frontRounded, "nyű", "nyű"},
      {"ik", "", back, "ik", "ik"},  // a limit of 0 keeps everything
      {"vész", "2a", frontUnrounded, "vesz", "vész"},
      {"elvész", "2a", frontUnrounded, "elvesz", "elvész"},
  };
  for (const StemCase& c : cases) expectIgeStems(c);
}

TEST(Ige, LimitsTheBaseStemToTheLengthOfTheStem) {
  ConjugationState s = stateForEntry("ad");
  ige(s);
  EXPECT_EQ(s.baseStem.limit(), 2);
  s.entry = "ugrik";
  ige(s);
  EXPECT_EQ(s.baseStem.limit(), 3);
}

TEST(Ige, KeepsTheWholeEntryOfClass6aAsTheSecondStem) {
  ConjugationState s = stateForEntry("izzik");
  s.classCode = "6a";
  ige(s);
  EXPECT_EQ(s.stemAlt, "izzik");
  EXPECT_EQ(s.baseStem.text(), "izz");
  EXPECT_EQ(s.stem, "izz");
}

TEST(Ige, GivesTheSzikVerbsTheirDStem) {
  const StemCase cases[] = {
      {"melegszik", "3a", frontUnrounded, "meleged", "melegsz"},
      {"cselekszik", "33", frontUnrounded, "cseleked", "cseleksz"},
      {"haragszik", "33", back, "haragud", "haragsz"},  // -agszik takes "ud" whatever the vowel class
      {"alszik", "3c", back, "alud", "alsz"},
      {"fekszik", "3c", frontUnrounded, "feküd", "feksz"},
      {"alkuszik", "3b", back, "alkud", "alkusz"},
      {"esküszik", "3b", frontRounded, "esküd", "esküsz"},
      {"emlékszik", "52", frontUnrounded, "emlékez", "emléksz"},
      {"melegszik", "3a", noVowelClass, "melegsz", "melegsz"},  // no valid vowel class: no stem chosen
      {"úszik", "80", back, "úsz", "úsz"},           // not a -szik class of bovit2
  };
  for (const StemCase& c : cases) expectIgeStems(c);
}

TEST(Bovit2, CutsEvenForAClassItDoesNotServe) {
  ConjugationState s = stateForEntry("ad");
  s.baseStem.setLimit(3);
  s.baseStem.assign("edz");
  s.stem = "kept";
  s.classCode = "01";
  bovit2(s);
  EXPECT_EQ(s.stem, "kept");
  EXPECT_EQ(s.cutResult.text(), "e");
  EXPECT_EQ(s.baseStem.limit(), 6);
}

TEST(Bovit, InsertsTheLinkingVowelBeforeTheLastConsonant) {
  const StemCase cases[] = {
      {"omlik", "64", back, "omol", "oml"},
      {"ugrik", "42", back, "ugor", "ugr"},
      {"vérzik", "4a", frontUnrounded, "vérez", "vérz"},
      {"érzik", "90", frontUnrounded, "érez", "érz"},
      {"fürdik", "89", frontRounded, "füröd", "fürd"},
      {"viszonylik", "64", back, "viszonyul", "viszonyl"},
      {"nyálzik", "44", back, "nyálaz", "nyálz"},
      {"omlik", "64", noVowelClass, "oml", "oml"},  // no valid vowel class: stem unchanged
  };
  for (const StemCase& c : cases) {
    SCOPED_TRACE(c.entry);
    ConjugationState s = stateForEntry(c.entry);
    s.classCode = c.classCode;
    s.vowelClass = c.vowelClass;
    ige(s);
    bovit(s);
    EXPECT_EQ(s.stem, c.stem);
    EXPECT_EQ(s.baseStem.text(), c.baseStem);
  }
}

}  // namespace
}  // namespace ragozo
