// Names in words for what the window shows, so that a failure says where it happened.
#pragma once

#include <string>

#include "core/Mood.h"
#include "derived/DerivedBoxes.h"

namespace ragozo::testing {

// "indicative present", "imperative", ...
std::string moodName(Mood mood);
// A form cell by person row (1 to 7) and column (1 subjective, 2 objective):
// "2nd person singular (te), objective".
std::string cellName(int row, int column);
// Any place of the table: a form cell as `cellName` names it, a heading by its row and column.
std::string tablePlaceName(int row, int column);
// "infinitive", "potential verb", ...
std::string boxName(DerivedBox box);

}  // namespace ragozo::testing
