// The built-in lexicon's arrays and the choice of letter group.
#include "lexicon/Lexicon.h"

#include <stdexcept>

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

}  // namespace

std::optional<int> letterGroup(std::string_view word) {
  for (const auto& [initial, group] : kInitials) {
    if (word.starts_with(initial)) return group;
  }
  return std::nullopt;
}

namespace {

// An index past the group's bound is a fault of the caller.
void checkIndex(int group, int index) {
  if (index < 0 || index > kLetterGroupBounds[group]) {
    throw std::out_of_range("element " + std::to_string(index) + " is outside letter group " +
                            kLetterGroupNames[group]);
  }
}

}  // namespace

void Lexicon::store(std::vector<Element>& elements, int group, int index, std::string_view text) {
  checkIndex(group, index);
  if (elements.size() <= static_cast<std::size_t>(index)) elements.resize(index + 1);
  elements[index] = Element{true, std::string(text)};
}

const Lexicon::Element& Lexicon::element(const std::vector<Element>& elements, int group, int index) {
  static const Element withoutValue;
  checkIndex(group, index);
  return static_cast<std::size_t>(index) < elements.size() ? elements[index] : withoutValue;
}

void Lexicon::storeWord(int group, int index, std::string_view word) {
  store(groups_[group].words, group, index, word);
}

void Lexicon::storeCode(int group, int index, std::string_view code) {
  store(groups_[group].codes, group, index, code);
}

const std::string& Lexicon::word(int group, int index) const {
  return element(groups_[group].words, group, index).text;
}

const std::string& Lexicon::code(int group, int index) const {
  return element(groups_[group].codes, group, index).text;
}

bool Lexicon::wordAssigned(int group, int index) const {
  return element(groups_[group].words, group, index).assigned;
}

bool Lexicon::codeAssigned(int group, int index) const {
  return element(groups_[group].codes, group, index).assigned;
}

}  // namespace ragozo
