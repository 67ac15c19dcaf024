// The endings of the chosen tense and mood, and the stems, class and vowel class they leave.
#include "inflection/Inflection.h"

#include <utility>

#include "inflection/Conditional.h"
#include "inflection/Imperative.h"
#include "inflection/PastIndicative.h"
#include "inflection/PresentIndicative.h"

namespace ragozo {

Inflection inflect(std::string_view verb, VerbClass cls, VowelClass vowel, Stems stems, Mood mood, bool shortForms) {
  Inflection inflection{{}, std::move(stems), cls, vowel};
  switch (mood) {
    case presentIndicative:
      inflection.endings = presentEndings(verb, cls, vowel, inflection.stems.baseStem);
      return inflection;
    case pastIndicative:
      inflection = pastEndings(verb, std::move(inflection));
      break;
    case presentConditional:
      inflection = conditionalEndings(verb, std::move(inflection));
      break;
    case imperative:
      inflection = imperativeEndings(verb, std::move(inflection), shortForms);
      break;
    case noMood:
      return inflection;
  }
  inflection.stems.secondStem = inflection.stems.stem;
  return inflection;
}

}  // namespace ragozo
