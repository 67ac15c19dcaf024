// The verbs a learner meets in the first two years are found in the lexicon as typed: no guess
// from the ending, no preverb stripped.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "analysis/LexiconSearch.h"
#include "lexicon/LexiconTestSupport.h"

namespace ragozo {
namespace {

using lexicontest::repositoryTable;

std::vector<std::string> everydayVerbs() {
  std::vector<std::string> out;
  for (const auto& f : repositoryTable("tools/lexicon/everyday-verbs.txt")) out.push_back(f.at(0));
  return out;
}

// word -> group of the everyday verbs whose place lies in a list stated in full.
std::map<std::string, int> namedExceptions() {
  std::map<std::string, int> out;
  for (const auto& f : repositoryTable("tests/lexicon/facts/everyday-not-in-lexicon.tsv")) out[f.at(0)] = std::stoi(f.at(1));
  return out;
}

TEST(LexiconEveryday, EveryEverydayVerbIsFoundAsTyped) {
  const Lexicon& lexicon = lexicontest::filledLexicon();
  const auto exceptions = namedExceptions();
  const auto verbs = everydayVerbs();
  EXPECT_GE(verbs.size(), 500u);
  for (const std::string& verb : verbs) {
    if (exceptions.count(verb)) continue;
    EXPECT_TRUE(lexiconHolds(lexicon, verb)) << verb;
  }
}

// A named exception must still be missing and belong to a group whose list is stated in full from
// its place on, else it is a verb the word builder should have placed.
TEST(LexiconEveryday, OnlyVerbsOfTheStatedListsAreNamedAsMissing) {
  const Lexicon& lexicon = lexicontest::filledLexicon();
  const auto verbs = everydayVerbs();
  const std::set<std::string> listed(verbs.begin(), verbs.end());
  const std::set<int> statedInFull{1, 2, 3, 4, 5, 11, 12, 13, 14};
  for (const auto& [verb, group] : namedExceptions()) {
    EXPECT_TRUE(listed.count(verb)) << verb;
    EXPECT_FALSE(lexiconHolds(lexicon, verb)) << verb;
    EXPECT_EQ(letterGroup(verb), group) << verb;
    EXPECT_TRUE(statedInFull.count(group)) << verb;
  }
}

}  // namespace
}  // namespace ragozo
