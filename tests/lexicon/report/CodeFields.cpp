// The stated figures of the code fields per letter group beside those of the embedded data.
#include "lexicon/report/Reports.h"

#include <array>
#include <iomanip>
#include <ostream>
#include <string>

#include "lexicon/Lexicon.h"
#include "lexicon/LexiconTestSupport.h"
#include "text/Utf8Text.h"

namespace ragozo::report {
namespace {

// Stated figures of each group beside ours.
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

// `text` and blanks up to `width` characters (std::setw counts bytes, and group names have accents).
std::string padded(const std::string& text, std::size_t width) {
  const std::size_t length = charCount(text);
  return text + std::string(length < width ? width - length : 0, ' ');
}

}  // namespace

void printCodeFields(std::ostream& out) {
  const Lexicon& lexicon = lexicontest::filledLexicon();
  out << "group    entries  compounds  vowel 1/2/3        usage 01   causative 0/1/2    objective  -lak 0/1/2\n";
  for (int g = 0; g < kLetterGroupCount; ++g) {
    GroupFigures ours{kStated[g].name, 0, 0, {}, 0, {}, 0, {}};
    for (int i = 1; i <= Lexicon::bound(g); ++i) {
      const std::string& code = lexicon.code(g, i);
      if (lexicon.word(g, i).empty() || code.size() != 9) continue;
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
      out << padded(f == &mine ? "" : f->name, 5) << std::left << std::setw(4) << (f == &mine ? "us" : "doc")
          << std::right << std::setw(7) << f->entries << std::setw(11) << f->compounds << "  " << std::left
          << std::setw(17) << triple(f->vowel) << std::right << std::setw(10) << f->unrestricted << "   "
          << std::left << std::setw(17) << triple(f->causative) << std::right << std::setw(11) << f->objective
          << "  " << triple(f->sg1To2) << "\n";
    }
  }
}

}  // namespace ragozo::report
