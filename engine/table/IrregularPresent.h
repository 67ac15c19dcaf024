// The cells of the irregular verbs megy, jön, van and "sosincs", which no stem and ending give.
#pragma once

#include <string_view>

#include "core/Mood.h"
#include "table/ConjugationTable.h"

namespace ragozo {

// In the present, the six persons of the subjective column of a verb
// ending in "megy", "jön" or "van", over what the cells wrote: two blanks, the
// verb's cut part with any preverb, and a fixed ending ("elmegyek", "jössz",
// "megvannak"). A verb ending in "incs" ("sosincs", "nincs") keeps only its
// present third persons ("sosincs", "sosincsenek") and every other cell of
// every mood blank. Any other verb gets the table back as it was.
ConjugationTable writeIrregularCells(ConjugationTable table, std::string_view verb, std::string_view baseStem, Mood mood);

}  // namespace ragozo
