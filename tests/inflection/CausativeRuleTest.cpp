// The causative kind from the stem's end, the root -at/-et verbs, and the potential-verb guard.
#include "inflection/CausativeRule.h"

#include <gtest/gtest.h>

#include "inflection/DerivedBoxes.h"
#include "support/EntryState.h"

namespace ragozo {
namespace {

struct FactCase {
  const char* verb;
  const char* baseStem;
  const char* codeKind;  // as the code split left it
  const char* kind;      // after `fact`
};

void PrintTo(const FactCase& c, std::ostream* os) { *os << c.verb << " from " << c.codeKind; }

class Fact : public ::testing::TestWithParam<FactCase> {};

TEST_P(Fact, RefinesTheCausativeKindFromTheFinalT) {
  const FactCase& c = GetParam();
  ConjugationState s = testing::stateForEntry(c.verb);
  s.baseStem.assign(c.baseStem);
  s.causativeKind = causativeKindOf(*c.codeKind);
  fact(s);
  EXPECT_EQ(s.causativeKind, causativeKindOf(*c.kind));
}

INSTANTIATE_TEST_SUITE_P(Stems, Fact,
                         ::testing::Values(FactCase{"ért", "ért", "0", "1"},        // consonant before t
                                           FactCase{"tanít", "tanít", "0", "0"},    // vowel before t
                                           FactCase{"mutat", "mutat", "2", "0"},    // a vowel, and a root -tat
                                           FactCase{"elmatat", "elmatat", "1", "0"},
                                           FactCase{"hív", "hív", "1", "1"},        // no final t: the code stays
                                           FactCase{"áll", "áll", "2", "2"},
                                           // A one-letter stem counts its own t and stays within the word.
                                           FactCase{"t", "t", "0", "1"}));

TEST(Atlista, FindsTheRootAtEtVerbsAtTheEnd) {
  for (const char* verb : {"nevet", "siet", "arat", "elhirdet"}) {
    ConjugationState s = testing::stateForEntry(verb);
    atlista(s);
    EXPECT_TRUE(s.rootAtEt) << verb;
  }
  ConjugationState s = testing::stateForEntry("szeret");
  s.rootAtEt = true;
  atlista(s);
  EXPECT_FALSE(s.rootAtEt);
}

constexpr const char* kPotentialNotice = "Ható igéből csak folyamatos melléknévi igenevet képzünk.";

ConjugationState withFullBoxes(const char* verb) {
  ConjugationState s = testing::stateForEntry(verb);
  s.derivedBoxes.fill("form");
  s.noticeLine = "earlier notice";
  return s;
}

TEST(Hato, APotentialVerbKeepsOnlyItsPresentParticiple) {
  ConjugationState s = withFullBoxes("lehet");
  hato(s);
  for (int box = 0; box < 8; ++box) EXPECT_EQ(s.derivedBoxes[box], box == presentParticipleBox ? "form" : "");
  EXPECT_EQ(s.noticeLine, "earlier notice");  // the derived forms are hidden
}

TEST(Hato, TheNoticeShowsWhileTheDerivedFormsAreShown) {
  ConjugationState s = withFullBoxes("futhat");
  s.derivedShown = true;
  hato(s);
  EXPECT_EQ(s.noticeLine, kPotentialNotice);
}

TEST(Hato, LexiconVerbsWithTheirOwnHatAndOtherVerbsAreLeftAlone) {
  ConjugationState lexiconHat = withFullBoxes("áthat");
  lexiconHat.endsInHat = true;
  lexiconHat.derivedShown = true;
  hato(lexiconHat);
  EXPECT_EQ(lexiconHat.derivedBoxes[potentialBox], "form");
  EXPECT_EQ(lexiconHat.noticeLine, "earlier notice");

  ConjugationState plain = withFullBoxes("kér");
  hato(plain);
  EXPECT_EQ(plain.derivedBoxes[potentialBox], "form");
}

TEST(Hato, IgnoresAStrippedRemainder) {
  ConjugationState s = withFullBoxes("felhat");
  s.remainder = "hat";
  hato(s);
  EXPECT_EQ(s.derivedBoxes[potentialBox], "");
}

}  // namespace
}  // namespace ragozo
