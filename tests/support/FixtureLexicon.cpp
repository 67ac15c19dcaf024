// A small lexicon of real verbs for tests and benchmarks.
#include "support/FixtureLexicon.h"

#include <array>
#include <stdexcept>
#include <string>

namespace ragozo::testing {

// The text of fixture-lexicon.tsv, generated into the build tree.
extern const std::string_view kFixtureLexiconText;

std::vector<FixtureEntry> parseEntries(std::string_view text) {
  std::vector<FixtureEntry> entries;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || !letterGroup(line.substr(0, tab))) {
      throw std::runtime_error("not a word<TAB>code line: " + std::string(line));
    }
    entries.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return entries;
}

void storeEntries(Lexicon& lexicon, std::span<const FixtureEntry> entries) {
  std::array<int, kLetterGroupCount> nextIndex{};
  nextIndex.fill(1);
  for (const FixtureEntry& entry : entries) {
    const int group = *letterGroup(entry.word);
    const int index = nextIndex[group]++;
    lexicon.storeWord(group, index, entry.word);
    lexicon.storeCode(group, index, entry.code);
  }
}

std::span<const FixtureEntry> fixtureEntries() {
  static const std::vector<FixtureEntry> entries = parseEntries(kFixtureLexiconText);
  return entries;
}

void storeFixtureLexicon(Lexicon& lexicon) { storeEntries(lexicon, fixtureEntries()); }

const Lexicon& fixtureLexicon() {
  static const Lexicon lexicon = [] {
    Lexicon filled;
    storeFixtureLexicon(filled);
    return filled;
  }();
  return lexicon;
}

}  // namespace ragozo::testing
