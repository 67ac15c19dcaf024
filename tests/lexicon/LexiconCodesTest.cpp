// The lexicon's verb codes after the run of thirty: format, stated codes and preverb digits.
#include "lexicon/FillProcedures.h"
#include "lexicon/Lexicon.h"
#include "lexicon/LexiconTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
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
  std::vector<StatedCode> codes;
  std::map<std::string, std::string> mended;
  for (const auto& f : lexicontest::repositoryTable("tools/lexicon/code_facts.tsv")) {
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
    {"átaluszik", "21013b010", "21013c010", "class 3b: átaludott"},
    {"érik", "120171200", "120173200", "class 71: the past ért"},
    {"megérik", "220171200", "220173200", "class 71: the past megért"},
    {"beérik", "220171200", "220173200", "class 71: the past beért"},
    {"elérik", "220171200", "220173200", "class 71: the past elért"},
    {"ráérik", "22M171200", "22M173200", "class 71: the past ráért"},
    {"túlérik", "22N171200", "22N173200", "class 71: the past túlért"},
    {"bukfencezik", "110184000", "120184000", "back vowel digit: bukfencezom"},
    {"belecsimpaszkodik", "220131000", "210131000", "front vowel digit: belecsimpaszkodem"},
    {"írásbelizik", "110161000", "120161000", "back vowel digit: írásbelizok"},
    {"felsír", "220101100", "210101100", "front vowel digit: felsírek"},
    {"keresztülbocsát", "210123011", "210129011", "class 23: keresztülbocsátni"},
    {"aránylik", "11N16d200", "11N164200", "class 6d: aránylnak, arányljon"},
    {"forog", "110208000", "110208100", "causative -tat: forogtat, not forgat"},
    {"rezeg", "12N108000", "12N108100", "causative -tet: rezegtet, not rezget"},
    {"vezényel", "120105111", "120105011", "causative -et: vezényelet, not vezényeltet"},
    {"lakik", "110196110", "110196010", "causative -at: lakat, not laktat"},
    {"szopik", "110173111", "110173011", "causative -at: szopat, not szoptat"},
    {"megszopik", "210173112", "210173012", "causative as szopik: megszoptat"},
    {"meghal", "210101100", "210101200", "causative: meghalat, which no one says"},
    {"hiányzik", "11014a000", "11014a200", "causative: hiányoztat, which no one says"},
    {"havazik", "11O184000", "11O184200", "causative: havaztat, which no one says"},
    {"belakik", "210196110", "210196210", "causative digit 1"},
    {"felküzd", "230103112", "230103212", "causative digit 1"},
    {"jóllakik", "210196100", "210196000", "causative digit 1"},
    {"lecsorog", "210108000", "210108100", "causative digit 0"},
    {"lekésik", "220139111", "220139211", "causative digit 1"},
    {"leküzd", "230103112", "230103212", "causative digit 1"},
    {"lelakik", "210196110", "210196210", "causative digit 1"},
    {"meghempereg", "220108000", "220108100", "causative digit 0"},
    {"megkésik", "220139100", "220139200", "causative digit 1"},
    {"meglakik", "210196110", "210196210", "causative digit 1"},
    {"nekikezd", "220110100", "220110200", "causative digit 1"},
    {"összetörik", "230169100", "230169200", "causative digit 1"},
    {"rákezd", "220110110", "220110210", "causative digit 1"},
    {"újrakezd", "220110112", "220110212", "causative digit 1"},
    {"végigküzd", "230103112", "230103212", "causative digit 1"},
    {"lerogy", "210107000", "210107200", "causative: lerogytat, which no one says"},
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
  EXPECT_EQ(codeOf("lebukfencezik").substr(1), std::string(mendedCodeOf("bukfencezik")->stored).substr(1));
  // Classes named for single words that gave plainly wrong forms, and the compounds that follow them:
  // "belecsap" "01" gave "belecsapt", "fogad" "01" "fogadt", the "18" of "bejegyez" "bejegyezi",
  // the "05" of "aláhajol" "aláhajlunk".
  const std::pair<const char*, const char*> mendedClasses[] = {
      {"belecsap", "07"}, {"fogad", "07"},    {"elfogad", "07"},    {"megfogad", "07"},
      {"bejegyez", "19"}, {"bevégez", "19"}, {"előirányoz", "19"}, {"aláhajol", "01"}};
  for (const auto& [word, classCode] : mendedClasses) EXPECT_EQ(codeOf(word).substr(4, 2), classCode) << word;
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
// verbs of motion and change take no object, whatever their preverb; everyday transitive verbs do,
// and so do the compounds that a preverb makes transitive ("meghaladja") over an intransitive base.
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
      {"kilóg", '0', false},     {"kattint", '0', false},   {"siet", '0', false},     {"halad", '0', false},
      {"áthalad", '0', false},   {"feláll", '0', false},    {"hazaér", '0', false},    {"megfelel", '0', false},
      {"ad", '1', false},        {"lát", '1', false},       {"ír", '1', false},        {"megír", '1', false},
      {"olvas", '1', false},     {"elolvas", '1', false},   {"kap", '1', false},       {"hoz", '1', false},
      {"néz", '1', false},       {"mond", '1', false},      {"kér", '1', false},       {"eszik", '1', false},
      {"magyaráz", '1', true},   {"okoz", '1', true},       {"felel", '1', false},     {"meghalad", '1', false},
      {"felülhalad", '1', false},
      // a preverb that takes the object away, or brings one; a frequentative of its own use
      {"belenéz", '0', false},   {"közrejátszik", '0', false}, {"ránéz", '0', false},   {"bekerül", '0', false},
      {"lekopog", '1', false},   {"kiagyal", '1', false},   {"konveniál", '0', false}, {"kéreget", '0', false},
      {"címkéz", '1', false},    {"következtet", '1', false}};
  for (const Case& c : cases) {
    const std::string& code = codeOf(c.word);
    if (code.empty() && c.mayBeAbsent) continue;
    ASSERT_EQ(code.size(), 9u) << c.word << " is not in the lexicon";
    EXPECT_EQ(code[7], c.objective) << c.word << " " << code;
  }
}

// A reader judged the objective use of every verb whose code is ours, the compound apart from its base
// (tools/lexicon/codes/objective-readings.tsv); each such code takes that digit and says so, but where
// the code facts name the digit for the word, its forms checked one by one, or hunspell-hu knows the
// verb and conjugates it only indefinitely (its definite forms would be words it does not know).
TEST(LexiconObjectiveReadings, EveryCodeOfOursTakesTheReadersDigit) {
  std::map<std::string, char> reading;
  for (const auto& f : lexicontest::repositoryTable("tools/lexicon/codes/objective-readings.tsv")) {
    ASSERT_GE(f.size(), 2u) << f.at(0);
    ASSERT_TRUE(f[1] == "0" || f[1] == "1") << f[0];
    reading[f[0]] = f[1][0];
  }
  std::set<std::string> named;
  for (const auto& f : lexicontest::repositoryTable("tools/lexicon/code_facts.tsv")) {
    if (f.size() > 3 && f[3] == "objective") named.insert(f[0]);
  }
  int read = 0;
  for (const lexicontest::DataEntry& e : lexicontest::dataEntries()) {
    const auto it = reading.find(e.word);
    if (it == reading.end() || e.codeSource == "stated" || named.count(e.word)) continue;
    ++read;
    const std::string said = std::string("objective ") + it->second + " reader";
    EXPECT_NE(e.codeSource.find(said), std::string::npos) << e.word << ": " << e.codeSource;
    const bool overruled = e.codeSource.find("overruled: hunspell-hu builds no definite form") != std::string::npos;
    if (!overruled) {
      EXPECT_EQ(e.code.at(7), it->second) << e.word << " " << e.code;
    }
  }
  EXPECT_GT(read, 13000);
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

}  // namespace
}  // namespace ragozo
