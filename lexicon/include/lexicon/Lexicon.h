// The built-in lexicon: fifteen letter groups of parallel word and code arrays.
//
// Each group is chosen by a verb's first character alone and holds two arrays
// indexed 0 to the group's bound. An element is either without value (never
// stored) or a text; both compare equal to the empty text. Element 0 of every
// array holds the empty text and verbs start at element 1. The fill procedures
// store the entries at fixed indices; afterwards the lexicon is only read.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ragozo {

inline constexpr int kLetterGroupCount = 15;

// Declared upper bound of each group's two arrays (they hold bound + 1 elements).
inline constexpr std::array<int, kLetterGroupCount> kLetterGroupBounds{
    700, 1200, 600, 1500, 1200, 1100, 2000, 1050, 1700, 1000, 450, 600, 900, 630, 1000};

// Each group's first characters, as messages name the group.
inline constexpr std::array<const char*, kLetterGroupCount> kLetterGroupNames{
    "a/á", "b", "c/d", "e/é", "f", "g/h/i/í/j", "k", "l", "m", "n/o/ó/ö/ő", "p", "r", "s", "t", "u/ú/ü/ű/v/z"};

// The group that the first character of `word` selects, or nothing for an empty
// word, a capital, q, w, x, y, a digit, a blank or any other character.
std::optional<int> letterGroup(std::string_view word);

class Lexicon {
 public:
  // Stores a text; a later store to the same element replaces the earlier one.
  void storeWord(int group, int index, std::string_view word);
  void storeCode(int group, int index, std::string_view code);

  // The element's text; an element without value reads as the empty text.
  const std::string& word(int group, int index) const;
  const std::string& code(int group, int index) const;

  // Whether the element was ever stored (holes and element 0 hold the empty text).
  bool wordAssigned(int group, int index) const;
  bool codeAssigned(int group, int index) const;

  static int bound(int group) { return kLetterGroupBounds[group]; }

 private:
  struct Element {
    bool assigned = false;
    std::string text;
  };
  // The two arrays of a group hold the elements up to the last one stored;
  // those after it, up to the bound, are without value. So an empty lexicon
  // costs nothing to make, and a filled one copies fast.
  struct Group {
    std::vector<Element> words;
    std::vector<Element> codes;
  };
  static void store(std::vector<Element>& elements, int group, int index, std::string_view text);
  static const Element& element(const std::vector<Element>& elements, int group, int index);

  std::array<Group, kLetterGroupCount> groups_;
};

}  // namespace ragozo
