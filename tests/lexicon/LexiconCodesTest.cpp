// The lexicon's verb codes after the run of thirty: format, stated codes and preverb digits.
#include "lexicon/FillProcedures.h"
#include "lexicon/Lexicon.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ragozo {
namespace {

// A whole code that the lexicon's documentation states for a word (at an element, or wherever the
// word stands when the index is unknown). Read from the assigning tool's facts file so that the
// tool and this check share one list. `code` is the code stored; `stated` is the documentation's
// own code where the facts file mends it (a "stated" row beside the "code" row), else empty.
struct StatedCode {
  std::string word;
  int group = -1;
  int index = -1;
  std::string code;
  std::string stated;
};

std::vector<StatedCode> readStatedCodes() {
  const auto path = std::filesystem::path(__FILE__).parent_path() / "../../tools/lexicon/code_facts.tsv";
  std::ifstream in(path);
  std::vector<StatedCode> codes;
  std::map<std::string, std::string> mended;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f;
    std::stringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, '\t')) f.push_back(cell);
    if (f.size() < 5) continue;
    if (f[3] == "stated") mended[f[0]] = f[4];
    if (f[3] != "code") continue;
    StatedCode s{f[0], -1, -1, f[4], ""};
    if (!f[1].empty() && !f[2].empty()) {
      s.group = std::stoi(f[1]);
      s.index = std::stoi(f[2]);
    }
    codes.push_back(s);
  }
  for (StatedCode& s : codes) {
    if (auto it = mended.find(s.word); it != mended.end()) s.stated = it->second;
  }
  return codes;
}

// The stated codes that are stored mended: two have ten characters, the others give plainly wrong
// forms (the field at fault changed, nothing else).
struct MendedCode {
  const char* word;
  const char* stated;
  const char* stored;
  const char* why;
};

constexpr MendedCode kMended[] = {
    {"horganyoz", "1101198012", "110118012", "ten characters; the -oz pattern"},
    {"kivezényel", "2201050111", "220105011", "ten characters; as elvezényel"},
    {"leúszik", "220180010", "210180010", "front vowel digit: leúszem, leúszett"},
    {"rabol", "110105011", "110101011", "unstable class: rablok"},
    {"panaszol", "110105011", "110101011", "unstable class: panaszlok"},
    {"mellékel", "120105011", "120101011", "unstable class: melléklek"},
    {"térdepel", "120105000", "120101000", "unstable class: térdeplek"},
    {"szándékol", "110105010", "110101010", "unstable class: szándéklok"},
    {"remekel", "120105010", "120101010", "unstable class: remeklek"},
    {"előretör", "220101100", "230101100", "unrounded vowel digit: előretörek, előretörjen"},
    {"átaluszik", "21013b010", "210180010", "class 3b: átaludott"},
};

const MendedCode* mendedCodeOf(const std::string& word) {
  for (const MendedCode& m : kMended)
    if (word == m.word) return &m;
  return nullptr;
}

class LexiconCodes : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    lexicon_ = new Lexicon();
    fillLexicon(*lexicon_);
  }
  static void TearDownTestSuite() {
    delete lexicon_;
    lexicon_ = nullptr;
  }
  void SetUp() override {
    if (wordCount() == 0) GTEST_SKIP() << "the lexicon's data holds no words yet";
  }

  static int wordCount() {
    int n = 0;
    for (int g = 0; g < kLetterGroupCount; ++g)
      for (int i = 1; i <= Lexicon::bound(g); ++i) n += !lexicon_->word(g, i).empty();
    return n;
  }

  // The element the look-up finds: the first one of the word's group that holds the word.
  static int find(const std::string& word) {
    const auto group = letterGroup(word);
    if (!group) return -1;
    for (int i = 1; i <= Lexicon::bound(*group); ++i)
      if (lexicon_->word(*group, i) == word) return i;
    return -1;
  }

  static const std::string& codeOf(const std::string& word) {
    static const std::string none;
    const int i = find(word);
    return i < 0 ? none : lexicon_->code(*letterGroup(word), i);
  }

  static Lexicon* lexicon_;
};

Lexicon* LexiconCodes::lexicon_ = nullptr;

bool allowed(char c, const char* set) { return c != '\0' && std::string(set).find(c) != std::string::npos; }

// Which characters each position of a code may hold.
void expectCodeFormat(const std::string& code, const std::string& where) {
  ASSERT_EQ(code.size(), 9u) << where << " \"" << code << "\"";
  EXPECT_TRUE(allowed(code[0], "12")) << where << " preverb digit of " << code;
  EXPECT_TRUE(allowed(code[1], "123")) << where << " vowel digit of " << code;
  EXPECT_TRUE(allowed(code[2], "0MNOPQRSTV")) << where << " usage of " << code;
  EXPECT_TRUE(code[3] == '1' || (code[3] == '2' && code[2] == '0')) << where << " usage of " << code;
  EXPECT_TRUE(allowed(code[4], "0123456789")) << where << " class of " << code;
  EXPECT_TRUE(allowed(code[5], "0123456789abcd")) << where << " class of " << code;
  EXPECT_TRUE(allowed(code[6], "0125")) << where << " causative digit of " << code;
  EXPECT_TRUE(allowed(code[7], "012")) << where << " objective digit of " << code;
  EXPECT_TRUE(allowed(code[8], "012")) << where << " -lak/-lek digit of " << code;
}

TEST_F(LexiconCodes, EveryWordHasANineCharacterCodeAndEveryEmptyWordAnEmptyCode) {
  for (int g = 0; g < kLetterGroupCount; ++g) {
    for (int i = 0; i <= Lexicon::bound(g); ++i) {
      const std::string where = "group " + std::to_string(g) + " element " + std::to_string(i);
      EXPECT_EQ(lexicon_->wordAssigned(g, i), lexicon_->codeAssigned(g, i)) << where;
      if (lexicon_->word(g, i).empty()) {
        EXPECT_EQ(lexicon_->code(g, i), "") << where;
      } else {
        expectCodeFormat(lexicon_->code(g, i), where + " \"" + lexicon_->word(g, i) + "\"");
      }
    }
  }
}

TEST_F(LexiconCodes, ElementZeroOfEveryFilledGroupHoldsTheEmptyCode) {
  for (int g = 0; g < kLetterGroupCount; ++g) {
    if (!lexicon_->wordAssigned(g, 1)) continue;
    EXPECT_TRUE(lexicon_->codeAssigned(g, 0)) << "group " << g;
    EXPECT_EQ(lexicon_->code(g, 0), "") << "group " << g;
  }
}

// Every stated code stands as stated, except the mended ones, which stand mended.
TEST_F(LexiconCodes, EveryStatedCodeStandsBesideItsWord) {
  const auto stated = readStatedCodes();
  ASSERT_GT(stated.size(), 1000u) << "the facts file was not read";
  for (const StatedCode& s : stated) {
    const MendedCode* mended = mendedCodeOf(s.word);
    if (mended) {
      EXPECT_EQ(s.stated, mended->stated) << s.word << ": the facts file keeps the stated code";
      EXPECT_EQ(s.code, mended->stored) << s.word;
    } else {
      EXPECT_EQ(s.stated, "") << s.word << " is mended in the facts file but not listed here";
    }
    const std::string& expected = mended ? mended->stored : s.code;
    if (s.index >= 0) {
      EXPECT_EQ(lexicon_->word(s.group, s.index), s.word) << "group " << s.group << " element " << s.index;
      EXPECT_EQ(lexicon_->code(s.group, s.index), expected) << s.word << " at " << s.index;
    } else {
      EXPECT_EQ(codeOf(s.word), expected) << s.word;
    }
  }
}

// The mended codes: nine characters, and the stored code differs from the stated one only in the
// fields at fault.
TEST_F(LexiconCodes, MendedStatedCodesStandMended) {
  for (const MendedCode& m : kMended) {
    const std::string stored = m.stored;
    EXPECT_EQ(codeOf(m.word), stored) << m.word << " (" << m.why << ")";
    EXPECT_NE(std::string(m.stated), stored) << m.word;
    if (std::string(m.stated).size() == 9) {
      int differing = 0;
      for (size_t i = 0; i < 9; ++i) differing += m.stated[i] != stored[i];
      EXPECT_LE(differing, 2) << m.word << ": more than one field changed";
    }
  }
  EXPECT_EQ(lexicon_->word(5, 637), "horganyoz");
  EXPECT_EQ(lexicon_->code(5, 637), "110118012");
  EXPECT_EQ(codeOf("elvezényel"), "220105011");  // kin of "kivezényel"
  // Compounds of a mended verb take the mended code.
  EXPECT_EQ(codeOf("elrabol").substr(1), std::string(mendedCodeOf("rabol")->stored).substr(1));
  // The class named for "belecsap", "01", gave the past "belecsapt": it takes its base's "07".
  EXPECT_EQ(codeOf("belecsap").substr(4, 2), "07");
}

TEST_F(LexiconCodes, RepeatedWordsKeepTheirOwnCodes) {
  EXPECT_EQ(lexicon_->word(6, 1277), "kiszurkol");
  EXPECT_EQ(lexicon_->word(6, 1278), "kiszurkol");
  EXPECT_EQ(lexicon_->code(6, 1277), "210101012");
  EXPECT_EQ(lexicon_->code(6, 1278), "210101011");
  EXPECT_EQ(lexicon_->word(6, 67), "kaparászik");
  EXPECT_EQ(lexicon_->word(6, 1948), "kaparászik");
  EXPECT_EQ(lexicon_->code(6, 67), "110157011");
  EXPECT_EQ(lexicon_->code(6, 1948), "110157011");
}

TEST_F(LexiconCodes, PreverbDigitMarksCompoundsNotTheLettersOfAPreverb) {
  const std::pair<const char*, char> cases[] = {
      {"kímél", '2'},      {"kíváncsiskodik", '2'}, {"átráz", '1'},       {"beszél", '1'},
      {"felel", '1'},      {"elemez", '1'},         {"betűz", '1'},       {"felejt", '1'},
      {"földel", '1'},     {"cserbenhagy", '2'},    {"kiszurkol", '2'},   {"kiabál", '1'},
      {"kétségbeesik", '2'}, {"lebeg", '1'},        {"lesz", '1'},        {"megy", '1'},
      {"mellékel", '1'},   {"mellébeszél", '2'},    {"odábbáll", '2'},    {"nyilvántart", '2'},
      {"összegez", '1'},   {"síkraszáll", '2'},     {"szembesít", '1'},   {"utánoz", '1'},
      {"visszhangoz", '2'}, {"elvisz", '2'},        {"előad", '2'},       {"rábeszél", '2'}};
  for (const auto& [word, digit] : cases) {
    const std::string& code = codeOf(word);
    ASSERT_FALSE(code.empty()) << word << " is not in the lexicon";
    EXPECT_EQ(code[0], digit) << word;
  }
  for (int i = 1; i <= Lexicon::bound(10); ++i) {
    if (lexicon_->word(10, i).empty()) continue;
    EXPECT_EQ(lexicon_->code(10, i)[0], '1') << lexicon_->word(10, i);
  }
}

// The objective digit follows use, not the definite forms a spell checker builds for every verb:
// verbs of motion and change take no object, whatever their preverb; everyday transitive verbs do.
TEST_F(LexiconCodes, ObjectiveDigitSeparatesIntransitiveFromTransitiveVerbs) {
  struct Case {
    const char* word;
    char objective;
    bool mayBeAbsent;  // an everyday verb the word list may not hold yet
  };
  const Case cases[] = {
      {"indul", '0', false},     {"elindul", '0', false},   {"rohan", '0', false},     {"elrohan", '0', false},
      {"marad", '0', false},     {"megmarad", '0', false},  {"fordul", '0', false},    {"megfordul", '0', false},
      {"visszafordul", '0', false}, {"menekül", '0', false}, {"elmenekül", '0', false}, {"olvad", '0', false},
      {"elolvad", '0', false},   {"szalad", '0', false},    {"elszalad", '0', false},  {"vonul", '0', false},
      {"kivonul", '0', false},   {"pihen", '0', false},     {"terjed", '0', false},    {"lóg", '0', false},
      {"kilóg", '0', false},     {"kattint", '0', false},   {"siet", '0', false},
      {"ad", '1', false},        {"lát", '1', false},       {"ír", '1', false},        {"megír", '1', false},
      {"olvas", '1', false},     {"elolvas", '1', false},   {"kap", '1', false},       {"hoz", '1', false},
      {"néz", '1', false},       {"mond", '1', false},      {"kér", '1', false},       {"eszik", '1', false},
      {"magyaráz", '1', true},   {"okoz", '1', true}};
  for (const Case& c : cases) {
    const std::string& code = codeOf(c.word);
    if (code.empty() && c.mayBeAbsent) continue;
    ASSERT_EQ(code.size(), 9u) << c.word << " is not in the lexicon";
    EXPECT_EQ(code[7], c.objective) << c.word << " " << code;
  }
}

// A verb without objective use has no -lak/-lek form to show; only stated codes depart from that.
TEST_F(LexiconCodes, OnlyStatedCodesGiveAnIntransitiveVerbALakLekDigit) {
  std::set<std::string> stated;
  for (const StatedCode& s : readStatedCodes()) stated.insert(s.word);
  for (int g = 0; g < kLetterGroupCount; ++g) {
    for (int i = 1; i <= Lexicon::bound(g); ++i) {
      const std::string& word = lexicon_->word(g, i);
      const std::string& code = lexicon_->code(g, i);
      if (word.empty() || code.size() != 9 || code[7] == '1' || stated.count(word)) continue;
      EXPECT_EQ(code[8], '0') << word << " " << code;
    }
  }
}

// Stated figures of each group beside ours, printed for the README's note on how near we are.
struct GroupFigures {
  const char* name;
  int entries, compounds;
  std::array<int, 3> vowel;       // "1", "2", "3"
  int unrestricted;               // usage "01"
  std::array<int, 3> causative;   // "0", "1", "2"
  int objective;                  // "1"
  std::array<int, 3> sg1To2;      // "0", "1", "2"
};

constexpr GroupFigures kStated[kLetterGroupCount] = {
    {"a/á", 698, 434, {520, 120, 58}, 637, {493, 82, 123}, 425, {346, 217, 135}},
    {"b", 1181, 859, {761, 291, 129}, 1087, {830, 122, 229}, 618, {645, 329, 207}},
    {"c/d", 584, 1, {391, 133, 60}, 509, {485, 19, 80}, 307, {316, 147, 121}},
    {"e/é", 1451, 1194, {762, 520, 169}, 1348, {998, 120, 333}, 790, {730, 452, 269}},
    {"f", 1135, 745, {673, 337, 125}, 1003, {789, 114, 232}, 650, {514, 365, 256}},
    {"g-j", 1076, 198, {710, 271, 95}, 977, {848, 77, 151}, 541, {593, 274, 209}},
    {"k", 1949, 1250, {1169, 567, 213}, 1738, {1433, 164, 352}, 1185, {861, 623, 465}},
    {"l", 1014, 792, {628, 290, 96}, 965, {720, 105, 189}, 629, {415, 368, 231}},
    {"m", 1654, 1404, {987, 478, 189}, 1492, {1165, 124, 365}, 998, {696, 570, 388}},
    {"n/o", 936, 557, {565, 243, 128}, 859, {648, 104, 184}, 519, {445, 273, 218}},
    {"p", 400, 0, {303, 72, 25}, 356, {347, 5, 48}, 211, {200, 89, 111}},
    {"r", 558, 226, {350, 162, 46}, 496, {393, 53, 111}, 277, {300, 91, 167}},
    {"s", 875, 162, {533, 256, 86}, 763, {648, 60, 167}, 483, {442, 165, 268}},
    {"t", 593, 89, {341, 189, 63}, 524, {458, 36, 99}, 307, {306, 129, 158}},
    {"u-z", 930, 383, {550, 289, 91}, 854, {670, 89, 171}, 512, {486, 234, 210}},
};

TEST_F(LexiconCodes, PrintsTheStatedFieldFiguresBesideOurs) {
  std::ostringstream out;
  out << "group    entries  compounds  vowel 1/2/3        usage 01   causative 0/1/2    objective  -lak 0/1/2\n";
  for (int g = 0; g < kLetterGroupCount; ++g) {
    GroupFigures ours{kStated[g].name, 0, 0, {}, 0, {}, 0, {}};
    for (int i = 1; i <= Lexicon::bound(g); ++i) {
      const std::string& code = lexicon_->code(g, i);
      if (lexicon_->word(g, i).empty() || code.size() != 9) continue;
      ++ours.entries;
      ours.compounds += code[0] == '2';
      if (code[1] >= '1' && code[1] <= '3') ++ours.vowel[code[1] - '1'];
      ours.unrestricted += code.compare(2, 2, "01") == 0;
      if (code[6] == '0' || code[6] == '5') ++ours.causative[0];
      if (code[6] == '1' || code[6] == '2') ++ours.causative[code[6] - '0'];
      ours.objective += code[7] == '1';
      if (code[8] >= '0' && code[8] <= '2') ++ours.sg1To2[code[8] - '0'];
    }
    auto triple = [](const std::array<int, 3>& t) {
      return std::to_string(t[0]) + "/" + std::to_string(t[1]) + "/" + std::to_string(t[2]);
    };
    const GroupFigures& mine = ours;
    for (const GroupFigures* f : {&kStated[g], &mine}) {
      out << std::left << std::setw(5) << (f == &mine ? "" : f->name) << std::setw(4) << (f == &mine ? "us" : "doc")
          << std::right << std::setw(7) << f->entries << std::setw(11) << f->compounds << "  " << std::left
          << std::setw(17) << triple(f->vowel) << std::right << std::setw(10) << f->unrestricted << "   "
          << std::left << std::setw(17) << triple(f->causative) << std::right << std::setw(11) << f->objective
          << "  " << triple(f->sg1To2) << "\n";
    }
  }
  std::cout << out.str();
}

}  // namespace
}  // namespace ragozo
