// Every supplied word of the data files passed the word checks, and rests on a witness of its own
// except at the places named as having none.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "lexicon/LexiconTestSupport.h"

namespace ragozo {
namespace {

using lexicontest::DataEntry;
using lexicontest::dataEntries;

bool isSupplied(const DataEntry& e) { return e.wordSource != "stated"; }

// The word_source column: the evidence first (a split witness quotes words with blanks), then
// after the last blank the verdict of the checks.
std::string verdict(const std::string& source) {
  const auto blank = source.rfind(' ');
  return blank == std::string::npos ? "" : source.substr(blank + 1);
}

std::string evidenceKind(const std::string& source) { return source.substr(0, source.find_first_of(": ")); }

TEST(LexiconWordEvidence, EverySuppliedWordCarriesItsEvidenceAndPassedTheChecks) {
  const std::set<std::string> kinds{"tier1",      "tier2",    "tier3",  "corpus", "split", "weak",
                                    "unattested", "everyday", "dubious"};
  int supplied = 0;
  for (const DataEntry& e : dataEntries()) {
    if (!isSupplied(e)) continue;
    ++supplied;
    EXPECT_TRUE(kinds.count(evidenceKind(e.wordSource))) << e.word << ": " << e.wordSource;
    EXPECT_EQ(verdict(e.wordSource), "audit:ok") << e.word << ": " << e.wordSource;
  }
  EXPECT_GT(supplied, 5000);
}

// A reader rated the words the sources cannot judge; the builder leaves out those rated dubious or
// no verb, so no supplied word may carry such a verdict, but a dubious word that keeps a stretch
// whole where nothing else sorts, recorded as such and named as a thinly witnessed place.
TEST(LexiconWordEvidence, NoSuppliedWordIsRatedNoVerbNorDubiousUnlessRecordedAsDubious) {
  std::map<std::string, std::string> rejected;
  for (const auto& f : lexicontest::repositoryTable("tools/lexicon/words/reading-verdicts.tsv")) {
    ASSERT_EQ(f.size(), 3u) << f.at(0);
    if (f[1] == "dubious" || f[1] == "not a verb") rejected[f[0]] = f[1] + ": " + f[2];
  }
  EXPECT_GT(rejected.size(), 0u);
  for (const DataEntry& e : dataEntries()) {
    if (!isSupplied(e)) continue;
    const auto verdict = rejected.find(e.word);
    if (evidenceKind(e.wordSource) == "dubious" && verdict != rejected.end() &&
        verdict->second.starts_with("dubious")) {
      continue;
    }
    EXPECT_EQ(verdict, rejected.end()) << e.word << " (" << e.group << "/" << e.index << ") rated " << verdict->second;
  }
}

// The kinds of word a reader turns down though the sources let them in: compounds no one says
// ("kitönkrezúz", "megvízilabdázik") and the wrong -ik form beside the right one ("leszarik" beside
// "leszar", "levetkőz" beside "levetkőzik"). None stands as a supplied word.
TEST(LexiconWordEvidence, CompoundsNoOneSaysAndWrongIkDoubletsAreTurnedDown) {
  std::map<std::string, std::string> verdicts;
  for (const auto& f : lexicontest::repositoryTable("tools/lexicon/words/reading-verdicts.tsv")) verdicts[f.at(0)] = f.at(1);
  std::set<std::string> supplied;
  for (const DataEntry& e : dataEntries()) {
    if (isSupplied(e)) supplied.insert(e.word);
  }
  for (const char* word : {"kitönkrezúz", "megvízilabdázik", "leszarik", "levetkőz"}) {
    EXPECT_EQ(verdicts[word], "dubious") << word;
    EXPECT_FALSE(supplied.count(word)) << word;
  }
  for (const char* word : {"leszar", "levetkőzik"}) EXPECT_TRUE(supplied.count(word)) << word;
}

// A word that only word lists give, only hunspell-hu reads or a reader rated dubious stands only
// where no witnessed verb sorts between the stated words around it; those places are named, and
// every named place still holds such a word, so the list shrinks as witnesses are found.
TEST(LexiconWordEvidence, ThinlyWitnessedWordsStandOnlyAtTheNamedPlaces) {
  std::map<std::pair<int, int>, std::string> named;
  for (const auto& f : lexicontest::repositoryTable("tests/lexicon/facts/thin-evidence-places.tsv")) {
    named[{std::stoi(f.at(0)), std::stoi(f.at(1))}] = f.at(2);
  }
  std::set<std::pair<int, int>> thin;
  for (const DataEntry& e : dataEntries()) {
    const std::string kind = evidenceKind(e.wordSource);
    if (kind != "weak" && kind != "unattested" && kind != "dubious") continue;
    thin.insert({e.group, e.index});
    const auto place = named.find({e.group, e.index});
    ASSERT_NE(place, named.end()) << e.word << " (" << e.group << "/" << e.index << "): " << e.wordSource;
    EXPECT_EQ(place->second, e.word);
  }
  for (const auto& [place, word] : named) {
    EXPECT_TRUE(thin.count(place)) << word << " is named but no longer thinly witnessed";
  }
}

}  // namespace
}  // namespace ragozo
