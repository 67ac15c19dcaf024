// A verb taken from entry to stems, as the conjugate action leaves it before the producer runs.
//
// The code is given with the verb, so these tests need no lexicon: the code is
// split, the class, plain stem and vowel class are set, the mood is chosen and
// the second stems are built, in the order of the conjugate action.
#pragma once

#include <string_view>

#include "state/ConjugationState.h"

namespace ragozo::testing {

ConjugationState preparedVerb(std::string_view verb, std::string_view code, Mood mood);

// A verb with its lexicon code, for tables of cases.
struct CodedVerb {
  const char* verb;
  const char* code;
};

}  // namespace ragozo::testing
