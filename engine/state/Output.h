// What the window shows of a conjugation: the table, the notice and the derived forms.
#pragma once

#include <array>
#include <string>

#include "state/ConjugationTable.h"

namespace ragozo {

inline constexpr const char* kEntryPrompt = "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ";
inline constexpr const char* kNoSuchForm = "Nincs ilyen alak.";

struct Output {
  ConjugationTable table;                   // the conjugation table
  std::string noticeLine;                   // the notice above the table
  std::array<std::string, 8> derivedBoxes;  // the eight derived forms
  bool emptyEntry = false;                  // the blanking asks the window to empty the entry
};

}  // namespace ragozo
