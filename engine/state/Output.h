// What the window shows of a conjugation: the table, the notice and the derived forms.
#pragma once

#include <string>

#include "derived/DerivedBoxes.h"
#include "table/ConjugationTable.h"

namespace ragozo {

struct Output {
  ConjugationTable table;     // the conjugation table
  std::string noticeLine;     // the notice above the table
  DerivedBoxes derivedBoxes;  // the eight derived forms
  bool emptyEntry = false;    // the result asks the window to empty the entry
};

}  // namespace ragozo
