// A small lexicon of real verbs for tests and benchmarks.
#include "support/FixtureLexicon.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace ragozo::testing {

// The text of fixture-lexicon.tsv, generated into the build tree.
extern const std::string_view kFixtureLexiconText;

namespace {

// Reads word<TAB>code lines; blank lines and '#' lines are skipped. A malformed line stops the
// test program at once rather than leaving a verb out.
std::vector<FixtureEntry> parseEntries(std::string_view text) {
  std::vector<FixtureEntry> entries;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || !letterGroup(line.substr(0, tab))) {
      throw std::runtime_error("fixture-lexicon.tsv: not a word<TAB>code line: " + std::string(line));
    }
    entries.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return entries;
}

}  // namespace

std::span<const FixtureEntry> fixtureEntries() {
  static const std::vector<FixtureEntry> entries = parseEntries(kFixtureLexiconText);
  return entries;
}

void storeFixtureLexicon(Lexicon& lexicon) {
  std::array<int, kLetterGroupCount> nextIndex{};
  nextIndex.fill(1);
  for (const FixtureEntry& entry : fixtureEntries()) {
    const int group = *letterGroup(entry.word);
    const int index = nextIndex[group]++;
    lexicon.storeWord(group, index, entry.word);
    lexicon.storeCode(group, index, entry.code);
  }
}

const Lexicon& fixtureLexicon() {
  static const Lexicon lexicon = [] {
    Lexicon filled;
    storeFixtureLexicon(filled);
    return filled;
  }();
  return lexicon;
}

}  // namespace ragozo::testing
