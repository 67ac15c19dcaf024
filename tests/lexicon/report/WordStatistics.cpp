// The stated distributions of the supplied word lists beside the embedded data's own.
//
// The supplied stretches are real verbs chosen by evidence first, so these figures are a measure
// of nearness, not a requirement: the report prints them and judges nothing.
#include "lexicon/report/Reports.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "text/Utf8Text.h"
#include "lexicon/LexiconTestSupport.h"

namespace ragozo::report {
namespace {

struct Family {
  std::string name;
  std::vector<std::string> endings;
};

// Ending families are tried in order; a word counts under the first that its ending matches.
const std::vector<Family> kAbFamilies = {
    {"-kodik", {"kodik", "kedik", "ködik"}}, {"-ódik", {"ódik", "ődik"}}, {"-odik", {"odik", "edik", "ödik"}},
    {"-szik", {"szik"}}, {"-zik", {"zik"}}, {"-lik", {"lik"}}, {"-ik", {"ik"}}, {"-ál", {"ál"}}, {"-ít", {"ít"}},
    {"-ol", {"ol", "el", "öl"}}, {"-oz", {"oz", "ez", "öz"}}, {"-ul", {"ul", "ül"}}, {"-at", {"at", "et"}},
    {"-ad", {"ad", "ed"}}, {"-aszt", {"aszt", "eszt"}}, {"-ant", {"ant", "ent"}}};
const std::vector<Family> kLmFamilies = {
    {"-kodik", {"kodik", "kedik", "ködik"}}, {"-odik", {"odik", "edik", "ödik", "ódik", "ődik"}}, {"-szik", {"szik"}},
    {"-zik", {"zik"}}, {"-lik", {"lik"}}, {"-ik", {"ik"}}, {"-ít", {"ít"}}, {"-ul", {"ul", "ül"}}, {"-l", {"l"}},
    {"-z", {"z"}}, {"-tat", {"tat", "tet"}}, {"-szt", {"szt"}}, {"-t", {"t"}}, {"-g", {"g"}}, {"-d", {"d"}},
    {"-n", {"n"}}};
const std::vector<Family> kNoFamilies = {
    {"-kodik", {"kodik", "kedik", "ködik"}}, {"-ódik", {"ódik", "ődik"}}, {"-odik", {"odik", "edik", "ödik"}},
    {"-szik", {"szik"}}, {"-dzik", {"dzik"}}, {"-zik", {"zik"}}, {"-lik", {"lik"}}, {"-ik", {"ik"}}, {"-l", {"l"}},
    {"-t", {"t"}}, {"-z", {"z"}}, {"-g", {"g"}}, {"-d", {"d"}}, {"-r", {"r"}}, {"-n", {"n"}}};
const std::vector<Family> kKFamilies = {{"-dik", {"dik"}}, {"-zik", {"zik"}}, {"-lik", {"lik"}}, {"-ik", {"ik"}},
                                        {"-l", {"l"}},     {"-k", {"k"}},     {"-t", {"t"}},     {"-z", {"z"}},
                                        {"-g", {"g"}},     {"-d", {"d"}},     {"-r", {"r"}},     {"-n", {"n"}}};

struct Stated {
  std::string title;
  int group;
  int first, last;  // the elements the figures count
  int shortest;     // length of the first figure of `lengths`
  std::vector<int> lengths;
  const std::vector<Family>* families;
  std::vector<int> endings;  // one per family, then "other"
  std::vector<std::pair<std::string, int>> preverbs;  // a longer preverb before a shorter one it begins with
  std::vector<std::string> simple;  // named verbs that begin with a preverb's letters but carry none
  int compoundsOfEntries;           // compounds whose verb after the preverb is an entry; -1 not stated
};

const std::vector<Stated> kStated = {
    {"a/á", 0, 1, 698, 2, {2, 4, 33, 82, 80, 122, 121, 112, 62, 35, 19, 14, 6, 2, 4}, &kAbFamilies,
     {33, 17, 14, 20, 45, 18, 10, 62, 50, 70, 46, 33, 48, 20, 11, 3, 198},
     {{"át", 343}, {"alább", 3}, {"alá", 47}, {"agyon", 20}, {"által", 18}, {"abba", 2}, {"alul", 1}},
     {"aláz", "alázatoskodik", "alázkodik", "általánosít", "átalányoz", "átall", "átkoz", "átkozódik", "átráz"},
     -1},
    {"b 1-643", 1, 1, 643, 2, {0, 1, 6, 45, 55, 112, 104, 115, 88, 40, 31, 26, 8, 8, 1, 2, 1}, &kAbFamilies,
     {23, 25, 22, 18, 40, 16, 16, 23, 39, 62, 42, 36, 33, 34, 11, 5, 198},
     {{"bele", 225}, {"be", 348}},
     {"becéz", "becsmérel", "becsül", "béget", "begyesedik", "begyeskedik", "békéltet", "békétlenkedik", "békít",
      "béklyóz", "békül", "bélel", "bélistáz", "beljebbez", "bellebbez", "bélyegez"},
     -1},
    {"k", 6, 1, 1952, 3, {6, 24, 156, 183, 325, 384, 316, 234, 144, 91, 40, 29, 7, 10, 1, 2}, &kKFamilies,
     {231, 131, 38, 24, 525, 5, 419, 248, 96, 68, 65, 48, 54},
     {{"ki", 1116}, {"körül", 50}, {"keresztül", 31}, {"ketté", 17}, {"közbe", 15}, {"közre", 8}, {"külön", 5},
      {"kölcsön", 4}, {"kétségbe", 2}, {"körbe", 1}, {"közzé", 1}},
     {"kiabál", "kiált", "kiáltoz", "kibicel", "kicsinyel", "kicsinyell", "kicsinyeskedik", "kicsinyít", "kilincsel",
      "kintornál", "kirándul", "kisebbedik", "kisebbít", "kishitűsködik", "kölcsönöz", "körülményeskedik",
      "különbözik", "különcködik", "különködik", "különmunkázik", "különórázik"},
     1159},
    {"l", 7, 1, 1014, 2, {1, 9, 15, 99, 119, 201, 215, 145, 96, 67, 24, 16, 3, 3, 0, 1}, &kLmFamilies,
     {21, 55, 19, 49, 24, 16, 81, 52, 207, 123, 30, 28, 97, 49, 54, 28, 81},
     {{"létre", 3}, {"le", 789}},
     {},
     742},
    {"m", 8, 1, 1654, 3, {5, 4, 43, 122, 154, 275, 335, 252, 162, 141, 89, 44, 17, 9, 1, 1}, &kLmFamilies,
     {43, 184, 40, 70, 28, 25, 157, 135, 313, 191, 58, 34, 138, 29, 73, 50, 86},
     {{"mellé", 5}, {"meg", 1399}},
     {"megy", "mellékel"},
     1261},
    {"n/o/ó/ö/ő", 9, 1, 936, 2, {4, 11, 28, 47, 77, 104, 134, 108, 115, 121, 78, 43, 32, 22, 8, 3, 0, 1},
     &kNoFamilies, {56, 37, 41, 21, 5, 46, 21, 15, 221, 197, 89, 41, 39, 37, 21, 49},
     {{"neki", 40}, {"odább", 1}, {"oda", 117}, {"nyilván", 1}, {"össze", 392}, {"ott", 6}},
     {"nyilvánít", "nyilvánul", "odáz", "összegez", "összesít"},
     545},
    {"p", 10, 1, 400, 3, {1, 5, 34, 86, 62, 69, 52, 40, 24, 15, 8, 1, 1, 2}, &kNoFamilies,
     {26, 10, 15, 0, 3, 45, 7, 0, 139, 51, 56, 28, 9, 1, 8, 2},
     {},
     {},
     -1},
};

std::string familyOf(const std::vector<Family>& families, const std::string& word) {
  for (const auto& f : families) {
    for (const auto& e : f.endings) {
      if (word.ends_with(e)) return f.name;
    }
  }
  return "other";
}

void printRow(std::ostream& out, const std::string& label, int stated, int ours) {
  out << "    " << label << ": stated " << stated << ", ours " << ours << "\n";
}

}  // namespace

void printWordDistributions(std::ostream& out) {
  const Lexicon& lexicon = lexicontest::filledLexicon();
  std::set<std::string> entries;
  for (int g = 0; g < kLetterGroupCount; ++g) {
    for (const auto& [i, w] : lexicontest::verbsOf(lexicon, g)) entries.insert(w);
  }
  for (const auto& s : kStated) {
    std::vector<std::string> words;
    for (int i = s.first; i <= s.last; ++i) {
      if (!lexicon.word(s.group, i).empty()) words.push_back(lexicon.word(s.group, i));
    }
    std::map<int, int> lengths;
    std::map<std::string, int> families;
    for (const auto& w : words) {
      ++lengths[int(charCount(w))];
      ++families[familyOf(*s.families, w)];
    }
    int lengthOff = 0, familyOff = 0;
    out << "Group " << s.title << " (" << words.size() << " verbs)\n  lengths:\n";
    for (std::size_t n = 0; n < s.lengths.size(); ++n) {
      const int len = s.shortest + int(n);
      printRow(out, std::to_string(len) + " letters", s.lengths[n], lengths[len]);
      lengthOff += std::abs(s.lengths[n] - lengths[len]);
    }
    out << "  ending families:\n";
    for (std::size_t n = 0; n < s.endings.size(); ++n) {
      const std::string name = n < s.families->size() ? (*s.families)[n].name : "other";
      printRow(out, name, s.endings[n], families[name]);
      familyOff += std::abs(s.endings[n] - families[name]);
    }
    // Words that begin with a preverb's letters, less the named simple verbs; in group l the simple
    // verbs in le- are not named, so its le- figure counts them too (58 stated).
    if (!s.preverbs.empty()) out << "  preverb compounds:\n";
    std::map<std::string, int> preverbs;
    int ofEntries = 0;
    for (const auto& w : words) {
      if (std::find(s.simple.begin(), s.simple.end(), w) != s.simple.end()) continue;
      for (const auto& [p, n] : s.preverbs) {
        if (w.starts_with(p)) {
          ++preverbs[p];
          ofEntries += entries.count(w.substr(p.size())) ? 1 : 0;
          break;
        }
      }
    }
    for (const auto& [p, n] : s.preverbs) printRow(out, p + "-", n, preverbs[p]);
    if (s.compoundsOfEntries >= 0) printRow(out, "compounds whose verb is an entry", s.compoundsOfEntries, ofEntries);
    out << "  off by: lengths " << lengthOff << " words, ending families " << familyOff << " words\n";
  }
}

void printVerbTotals(std::ostream& out) {
  const Lexicon& lexicon = lexicontest::filledLexicon();
  int total = 0;
  std::map<std::string, int> distinct;
  for (int g = 0; g < kLetterGroupCount; ++g) {
    for (const auto& [i, w] : lexicontest::verbsOf(lexicon, g)) {
      ++total;
      ++distinct[w];
    }
  }
  out << "Verbs in the lexicon: ours " << total << " (" << distinct.size()
            << " distinct); stated 15,041 (15,036 distinct) with s, t and u to z as first counted,"
               " 15,035 by the r to z lists' own reckoning; the group lists add up to 15,038\n";
}

}  // namespace ragozo::report
