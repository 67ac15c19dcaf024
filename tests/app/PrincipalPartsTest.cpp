// The principal parts of the most used verbs and compounds (principal-parts.tsv), as the window
// shows them with the built-in lexicon: the table is written from the language, not from the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "HeadlessRun.h"
#include "lexicon/FillProcedures.h"
#include "text/Utf8Text.h"

namespace ragozo::testing {
namespace {

// Where the window shows each column of the table after the verb.
struct Column {
  const char* mood;
  const char* item;
  const char* name;
};

constexpr Column kColumns[] = {
    {"present", "r1c1", "present 1sg"},         {"present", "r3c1", "present 3sg"},
    {"past", "r3c1", "past 3sg"},               {"conditional", "r3c1", "conditional 3sg"},
    {"imperative", "r3c1", "imperative 3sg"},   {"imperative", "r2c1", "imperative 2sg"},
    {"present", "r3c2", "definite 3sg"},        {"present", "infinitive", "infinitive"},
    {"present", "past-participle", "past participle"}, {"present", "causative", "causative"},
    {"present", "adverbial-participle", "adverbial participle"},
    {"present", "future-participle", "future participle"},
    {"imperative-short", "r2c1", "short imperative 2sg"},
    {"imperative-short", "r2c2", "short definite imperative 2sg"}};

// The columns from the future participle on may be left off a row.
constexpr std::size_t kFirstShortColumn = std::size(kColumns) - 2;
constexpr std::size_t kColumnsEveryRowHolds = kFirstShortColumn - 1;

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  std::string cell;
  while (std::getline(stream, cell, '\t')) cells.push_back(cell);
  if (!line.empty() && line.back() == '\t') cells.emplace_back();
  return cells;
}

std::vector<std::vector<std::string>> readTable() {
  std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "principal-parts.tsv");
  std::vector<std::vector<std::string>> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    rows.push_back(splitTabs(line));
  }
  return rows;
}

// Adds every item the window shows for `requests` to `shown`, keyed "verb<TAB>mood<TAB>item" without the
// table's leading blanks; `moodName` replaces the mood the window names where it is given.
void addShownForms(std::stringstream& requests, const headless::RunOptions& options,
                   const std::string& moodName, std::map<std::string, std::string>& shown) {
  std::stringstream out;
  std::stringstream err;
  EXPECT_TRUE(headless::runVerbs(requests, out, err, options, fillLexicon)) << err.str();
  std::string line;
  while (std::getline(out, line)) {
    const std::vector<std::string> cells = splitTabs(line);
    if (cells.size() != 4) continue;
    const std::string& mood = moodName.empty() ? cells[1] : moodName;
    shown[cells[0] + "\t" + mood + "\t" + cells[2]] = trimBlanks(cells[3]);
  }
}

std::map<std::string, std::string> shownForms(const std::vector<std::vector<std::string>>& rows) {
  std::stringstream requests;
  std::stringstream shortRequests;
  for (const auto& row : rows) {
    for (const char* mood : {"present", "past", "conditional", "imperative"}) {
      requests << row[0] << " --mood " << mood << "\n";
    }
    if (row.size() > kFirstShortColumn + 1) shortRequests << row[0] << " --mood imperative\n";
  }
  headless::RunOptions options;
  options.allPersons = true;
  std::map<std::string, std::string> shown;
  addShownForms(requests, options, "", shown);
  options.shortImperative = true;
  addShownForms(shortRequests, options, "imperative-short", shown);
  return shown;
}

TEST(PrincipalParts, TheWindowShowsTheFormsOfTheTable) {
  const auto rows = readTable();
  ASSERT_GE(rows.size(), 300u) << "the table was not read";
  const auto shown = shownForms(rows);
  for (const auto& row : rows) {
    ASSERT_TRUE(row.size() >= 1 + kColumnsEveryRowHolds && row.size() <= 1 + std::size(kColumns)) << row[0];
    for (std::size_t i = 0; i + 1 < row.size(); ++i) {
      const std::string& expected = row[i + 1];
      if (expected.empty()) continue;  // not checked
      const Column& column = kColumns[i];
      const auto it = shown.find(row[0] + "\t" + column.mood + "\t" + column.item);
      ASSERT_NE(it, shown.end()) << row[0] << " " << column.name;
      EXPECT_EQ(it->second, expected == "-" ? "" : expected) << row[0] << " " << column.name;
    }
  }
}

}  // namespace
}  // namespace ragozo::testing
