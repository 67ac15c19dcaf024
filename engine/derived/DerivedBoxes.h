// The eight derived-form boxes under the table.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace ragozo {

// The boxes in the order the window shows them.
enum DerivedBox : int {
  infinitiveBox = 0,
  adverbialParticipleBox = 1,
  presentParticipleBox = 2,
  pastParticipleBox = 3,
  futureParticipleBox = 4,
  actionNounBox = 5,
  potentialBox = 6,
  causativeBox = 7,
};

inline constexpr std::size_t kDerivedBoxCount = causativeBox + 1;

using DerivedBoxes = std::array<std::string, kDerivedBoxCount>;

// What a box shows for a form the verb does not have.
inline constexpr const char* kNoSuchForm = "Nincs ilyen alak.";

}  // namespace ragozo
