// The window tests' lexicon: the test fixture's verbs and a few more that the window's cases name.
#pragma once

#include "lexicon/Lexicon.h"

namespace ragozo::testing {

// Stores the fixture's entries, then the window's own after them in each letter group.
void storeWindowTestLexicon(Lexicon& lexicon);

}  // namespace ragozo::testing
