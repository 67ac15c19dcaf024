// The built-in lexicon's arrays and the choice of letter group.
#include "lexicon/Lexicon.h"

namespace ragozo {
namespace {

struct GroupInitials {
  std::string_view initial;
  int group;
};

// Every lower-case initial the lexicon knows, with its group.
constexpr GroupInitials kInitials[] = {
    {"a", 0},  {"á", 0},  {"b", 1},  {"c", 2},  {"d", 2},  {"e", 3},  {"é", 3},  {"f", 4},
    {"g", 5},  {"h", 5},  {"i", 5},  {"í", 5},  {"j", 5},  {"k", 6},  {"l", 7},  {"m", 8},
    {"n", 9},  {"o", 9},  {"ó", 9},  {"ö", 9},  {"ő", 9},  {"p", 10}, {"r", 11}, {"s", 12},
    {"t", 13}, {"u", 14}, {"ú", 14}, {"ü", 14}, {"ű", 14}, {"v", 14}, {"z", 14},
};

const std::string& emptyText() {
  static const std::string empty;
  return empty;
}

}  // namespace

std::optional<int> letterGroup(std::string_view word) {
  for (const auto& [initial, group] : kInitials) {
    if (word.starts_with(initial)) return group;
  }
  return std::nullopt;
}

Lexicon::Lexicon() {
  for (int g = 0; g < kLetterGroupCount; ++g) {
    groups_[g].words.resize(kLetterGroupBounds[g] + 1);
    groups_[g].codes.resize(kLetterGroupBounds[g] + 1);
  }
}

void Lexicon::storeWord(int group, int index, std::string_view word) {
  groups_[group].words.at(index) = Element{true, std::string(word)};
}

void Lexicon::storeCode(int group, int index, std::string_view code) {
  groups_[group].codes.at(index) = Element{true, std::string(code)};
}

const std::string& Lexicon::word(int group, int index) const {
  const Element& e = groups_[group].words.at(index);
  return e.assigned ? e.text : emptyText();
}

const std::string& Lexicon::code(int group, int index) const {
  const Element& e = groups_[group].codes.at(index);
  return e.assigned ? e.text : emptyText();
}

bool Lexicon::wordAssigned(int group, int index) const { return groups_[group].words.at(index).assigned; }
bool Lexicon::codeAssigned(int group, int index) const { return groups_[group].codes.at(index).assigned; }

}  // namespace ragozo
