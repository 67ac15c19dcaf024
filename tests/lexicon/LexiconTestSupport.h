// Helpers shared by the lexicon data tests: the filled lexicon, lexicon order and the stated words.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lexicon/Lexicon.h"

namespace ragozo::lexicontest {

// A lexicon after the full run of thirty fill procedures, built once.
const Lexicon& filledLexicon();

// Fills `lexicon` as the program does, by a copy of `filledLexicon`: a window loaded with it is
// quicker to make than one that runs the fill procedures.
void copyFilledLexicon(Lexicon& lexicon);

// The word with its accents removed (á as a, ö and ő as o, and so on).
std::string folded(std::string_view word);

// Lexicon order: accents ignored first; words equal without accents are compared at their first
// differing character, the plain vowel first and then ó before ö before ő, ú before ü before ű.
bool lexiconLess(std::string_view a, std::string_view b);

struct StatedWord {
  int group;
  int index;  // -1 where the lists give the word but not its element
  std::string word;
};

// The words that the lexicon's design fixes, read from facts/stated-words.tsv.
const std::vector<StatedWord>& statedWords();

// The lines of a tab-separated file of the repository (relative to its root), without the comments
// and blank lines, each split at its tabs.
std::vector<std::vector<std::string>> repositoryTable(const std::string& relativePath);

struct DataEntry {
  int group;
  int index;
  std::string word;
  std::string wordSource;  // the word's evidence and the verdict of the word checks
  std::string code;
  std::string codeSource;  // the code's basis and evidence
};

// Every entry of the data files lexicon/data/fill01.tsv .. fill15.tsv with a word.
const std::vector<DataEntry>& dataEntries();

// Linear search of a group as the engine's look-up walks it: the first element from 0 up to the
// bound whose word equals `word`, or -1.
int firstMatch(const Lexicon& lexicon, int group, std::string_view word);

// The verbs of a group (elements 1 to the last assigned, holes left out) with their elements.
std::vector<std::pair<int, std::string>> verbsOf(const Lexicon& lexicon, int group);

// The class of `verb` (characters 5 and 6 of its code) where `lexicon` holds it, else "".
std::string classOf(const Lexicon& lexicon, std::string_view verb);

// Each class the filled lexicon holds that `covered` lacks, with a verb of it: "class 44 (áthangzik)",
// one a line; "" where none is missing.
std::string classesMissingFrom(const std::set<std::string>& covered);

}  // namespace ragozo::lexicontest
