// The causative kind from the stem's end and the root -at/-et verbs.
#include "inflection/CausativeRule.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ragozo
