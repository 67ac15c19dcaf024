// Runs the producer of the chosen tense and mood.
#include "inflection/MoodDispatch.h"

#include "inflection/Conditional.h"
#include "inflection/Imperative.h"
#include "inflection/PastIndicative.h"
#include "inflection/PresentIndicative.h"

namespace ragozo {

void idomod(ConjugationState& s) {
  switch (s.mood) {
    case presentIndicative: jelen(s); break;
    case pastIndicative: mult(s); break;
    case presentConditional: felt(s); break;
    case imperative: felsz(s); break;
    default: break;  // no tense chosen yet: the slots keep what they hold
  }
}

}  // namespace ragozo
