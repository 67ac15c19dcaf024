// Helpers shared by the lexicon data tests.
#include "lexicon/LexiconTestSupport.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "lexicon/FillProcedures.h"

namespace ragozo::lexicontest {
namespace {

// Accented vowel, its plain letter and its rank among the letters folded to that letter.
struct Accent {
  std::string_view letter;
  char plain;
  int rank;
};
constexpr Accent kAccents[] = {{"á", 'a', 1}, {"é", 'e', 1}, {"í", 'i', 1}, {"ó", 'o', 1}, {"ö", 'o', 2},
                               {"ő", 'o', 3}, {"ú", 'u', 1}, {"ü", 'u', 2}, {"ű", 'u', 3}};

// Each character of the word as its plain letter and accent rank.
std::vector<std::pair<char, int>> letters(std::string_view word) {
  std::vector<std::pair<char, int>> out;
  for (std::size_t i = 0; i < word.size();) {
    bool matched = false;
    for (const Accent& a : kAccents) {
      if (word.substr(i).starts_with(a.letter)) {
        out.emplace_back(a.plain, a.rank);
        i += a.letter.size();
        matched = true;
        break;
      }
    }
    if (!matched) out.emplace_back(word[i++], 0);
  }
  return out;
}

}  // namespace

void copyFilledLexicon(Lexicon& lexicon) { lexicon = filledLexicon(); }

const Lexicon& filledLexicon() {
  static const Lexicon lexicon = [] {
    Lexicon l;
    fillLexicon(l);
    return l;
  }();
  return lexicon;
}

std::string folded(std::string_view word) {
  std::string out;
  for (const auto& [plain, rank] : letters(word)) out += plain;
  return out;
}

bool lexiconLess(std::string_view a, std::string_view b) {
  const std::string fa = folded(a), fb = folded(b);
  if (fa != fb) return fa < fb;
  const auto la = letters(a), lb = letters(b);
  for (std::size_t i = 0; i < la.size(); ++i) {
    if (la[i].second != lb[i].second) return la[i].second < lb[i].second;
  }
  return false;
}

std::vector<std::vector<std::string>> repositoryTable(const std::string& relativePath) {
  const auto path = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / relativePath;
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::vector<std::vector<std::string>> out;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
    out.push_back(std::move(fields));
  }
  return out;
}

const std::vector<StatedWord>& statedWords() {
  static const std::vector<StatedWord> words = [] {
    std::vector<StatedWord> out;
    for (const auto& f : repositoryTable("tests/lexicon/facts/stated-words.tsv")) {
      out.push_back({std::stoi(f.at(0)), f.at(1).empty() ? -1 : std::stoi(f.at(1)), f.at(2)});
    }
    return out;
  }();
  return words;
}

const std::vector<DataEntry>& dataEntries() {
  static const std::vector<DataEntry> entries = [] {
    std::vector<DataEntry> out;
    for (int n = 1; n <= 15; ++n) {
      const std::string name = std::string("lexicon/data/fill") + (n < 10 ? "0" : "") + std::to_string(n) + ".tsv";
      for (const auto& f : repositoryTable(name)) {
        if (f.size() > 4 && !f[2].empty()) {
          out.push_back({std::stoi(f[0]), std::stoi(f[1]), f[2], f[4], f[3], f.size() > 5 ? f[5] : ""});
        }
      }
    }
    return out;
  }();
  return entries;
}

int firstMatch(const Lexicon& lexicon, int group, std::string_view word) {
  for (int i = 0; i <= Lexicon::bound(group); ++i) {
    if (lexicon.word(group, i) == word) return i;
  }
  return -1;
}

std::vector<std::pair<int, std::string>> verbsOf(const Lexicon& lexicon, int group) {
  std::vector<std::pair<int, std::string>> out;
  for (int i = 1; i <= Lexicon::bound(group); ++i) {
    if (!lexicon.word(group, i).empty()) out.emplace_back(i, lexicon.word(group, i));
  }
  return out;
}

std::string classOf(const Lexicon& lexicon, std::string_view verb) {
  const std::optional<int> group = letterGroup(verb);
  const int element = group ? firstMatch(lexicon, *group, verb) : -1;
  return element < 0 ? std::string() : lexicon.code(*group, element).substr(4, 2);
}

std::string classesMissingFrom(const std::set<std::string>& covered) {
  const Lexicon& lexicon = filledLexicon();
  std::map<std::string, std::string> missing;  // each class, and its first verb
  for (int group = 0; group < kLetterGroupCount; ++group) {
    for (const auto& [element, verb] : verbsOf(lexicon, group)) {
      std::string cls = lexicon.code(group, element).substr(4, 2);
      if (!covered.contains(cls)) missing.emplace(std::move(cls), verb);
    }
  }
  std::string listed;
  for (const auto& [cls, verb] : missing) listed += "class " + cls + " (" + verb + ")\n";
  return listed;
}

}  // namespace ragozo::lexicontest
