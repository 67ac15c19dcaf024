// The fixed facts about the lexicon's words and layout that the data checker holds the data to.
#pragma once

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace ragozo::wordfacts {

struct Range {
  int group;
  int first;
  int last;
};

// Elements each word fill procedure assigns, in the order it assigns them.
inline const std::array<std::vector<Range>, 15> kFillRanges{{
    {{0, 0, 698}, {1, 0, 643}},
    {{1, 644, 1182}, {2, 0, 584}},
    {{3, 0, 1215}, {3, 1452, 1452}},
    {{3, 1216, 1451}, {4, 0, 1000}},
    {{4, 1001, 1135}, {5, 0, 1077}},
    {{6, 0, 1200}},
    {{6, 1201, 1952}},
    {{7, 0, 1014}},
    {{8, 0, 1200}},
    {{8, 1201, 1654}, {9, 0, 502}},
    {{9, 503, 936}, {10, 0, 400}},
    {{11, 0, 558}},
    {{12, 0, 875}},
    {{13, 0, 593}, {14, 0, 133}},
    {{14, 134, 930}},
}};

struct GroupShape {
  int lastAssigned;
  int verbs;
  std::vector<int> holes;
  // The run of elements in lexicon order; later elements up to lastAssigned are the tail.
  int orderedLast;
};

inline const std::array<GroupShape, 15> kGroups{{
    {698, 698, {}, 696},
    {1182, 1181, {851}, 1179},
    {584, 584, {}, 579},
    {1452, 1451, {1205}, 1449},
    {1135, 1135, {}, 1132},
    {1077, 1077, {}, 1074},
    {1952, 1952, {}, 1947},
    {1014, 1014, {}, 1012},
    {1654, 1654, {}, 1653},
    {936, 936, {}, 931},
    {400, 400, {}, 400},
    {558, 558, {}, 557},
    {875, 875, {}, 871},
    {593, 593, {}, 592},
    {930, 930, {}, 926},
}};

// The one place inside an ordered run where two neighbours stand against the order
// (group, element of the first of the two).
inline constexpr std::pair<int, int> kOrderBreaks[] = {{6, 316}};

// Words standing twice: group, word, its two elements.
struct Repeat {
  int group;
  std::string_view word;
  int first;
  int second;
};
inline constexpr Repeat kRepeats[] = {{6, "kaparászik", 67, 1948}, {6, "kiszurkol", 1277, 1278}};

// Runs of elements that hold exactly the words beginning (accents ignored) with a prefix.
struct Block {
  int group;
  std::string_view prefix;
  int first;
  int last;
};
inline constexpr Block kBlocks[] = {
    {0, "abba", 4, 5},          {0, "agyon", 64, 83},       {0, "ala", 120, 186},        {0, "alabb", 122, 124},
    {0, "altal", 228, 246},     {0, "alul", 250, 250},      {0, "at", 333, 682},         {1, "be", 55, 944},
    {1, "bele", 377, 610},      {6, "ka", 1, 146},          {6, "ke", 147, 368},         {6, "keresztul", 244, 274},
    {6, "ketsegbe", 320, 321},  {6, "kette", 325, 341},     {6, "ki", 369, 1511},        {6, "kl", 1512, 1515},
    {6, "ko", 1516, 1852},      {6, "kolcson", 1552, 1556}, {6, "korul", 1704, 1754},    {6, "kozbe", 1814, 1828},
    {6, "kozre", 1843, 1850},   {6, "kr", 1853, 1864},      {6, "ku", 1865, 1941},       {6, "kv", 1942, 1947},
    {7, "la", 1, 68},           {7, "le", 69, 935},         {7, "letre", 857, 859},      {8, "ma", 1, 78},
    {8, "me", 79, 1561},        {8, "meg", 82, 1481},       {8, "mi", 1562, 1570},       {8, "mo", 1571, 1628},
    {8, "mu", 1629, 1653},      {9, "n", 1, 253},           {9, "neki", 36, 75},         {9, "ny", 131, 253},
    {9, "o", 254, 931},         {9, "oda", 262, 380},       {9, "ossze", 503, 895},      {9, "ott", 916, 921},
    {10, "pa", 1, 112},         {10, "pe", 113, 171},       {10, "pf", 172, 172},        {10, "pi", 173, 231},
    {10, "pl", 232, 239},       {10, "po", 240, 324},       {10, "pr", 325, 366},        {10, "pu", 367, 400},
};

// Verbs by their first character (or, where given, by their first two characters).
struct Count {
  int group;
  std::string_view start;
  int verbs;
};
inline constexpr Count kInitialCounts[] = {
    {0, "a", 258},   {0, "á", 440},   {1, "b", 1181},  {2, "c", 336},   {2, "d", 248},   {3, "e", 1359},
    {3, "é", 92},    {4, "f", 1135},  {5, "g", 227},   {5, "h", 553},   {5, "i", 203},   {5, "í", 27},
    {5, "j", 67},    {6, "k", 1952},  {7, "l", 1014},  {8, "m", 1654},  {9, "n", 256},   {9, "o", 201},
    {9, "ó", 13},    {9, "ö", 453},   {9, "ő", 13},    {9, "ny", 124},  {10, "p", 400},  {12, "sz", 585},
    {14, "v", 658},  {14, "z", 139},  {14, "u", 59},   {14, "ü", 47},   {14, "ú", 26},   {14, "ű", 1},
    {7, "la", 48},   {7, "lá", 20},   {7, "le", 847},  {7, "lé", 21},   {7, "li", 11},   {7, "lo", 30},
    {7, "ló", 13},   {7, "lö", 11},   {7, "lő", 3},    {7, "lu", 3},    {7, "lú", 3},    {7, "lü", 1},
    {7, "ly", 3},    {8, "ma", 60},   {8, "má", 19},   {8, "me", 1456}, {8, "mé", 27},   {8, "mi", 8},
    {8, "mí", 1},    {8, "mo", 52},   {8, "mó", 6},    {8, "mu", 17},   {8, "mú", 1},    {8, "mű", 7},
    {10, "pa", 74},  {10, "pá", 38},  {10, "pe", 54},  {10, "pé", 5},   {10, "pf", 1},   {10, "pi", 59},
    {10, "pl", 8},   {10, "po", 56},  {10, "pó", 8},   {10, "pö", 20},  {10, "pő", 1},   {10, "pr", 42},
    {10, "pu", 29},  {10, "pú", 3},   {10, "pü", 2},
};

// The words that contain an "x" (no other word has one).
inline constexpr std::string_view kWordsWithX[] = {"maximál", "oxidál", "oxidálódik"};

}  // namespace ragozo::wordfacts
