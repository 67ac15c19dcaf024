// Figures of the embedded lexicon beside the ones its design states: a measure of nearness for
// the figures document, not a check (the checks are the lexicon tests).
#pragma once

#include <iosfwd>

namespace ragozo::report {

// The verbs in the lexicon, all and distinct, beside the stated totals.
void printVerbTotals(std::ostream& out);

// Per stated stretch of a letter group: word lengths, ending families and preverb compounds.
void printWordDistributions(std::ostream& out);

// Per letter group: compounds, vowel classes, usage, causative, objective and -lak/-lek digits.
void printCodeFields(std::ostream& out);

}  // namespace ragozo::report
