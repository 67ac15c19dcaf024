// The endings of the chosen tense and mood, and the stems, class and vowel class they leave.
#pragma once

#include <string_view>

#include "analysis/Stems.h"
#include "analysis/VerbCode.h"
#include "core/Mood.h"
#include "inflection/EndingSlots.h"

namespace ragozo {

// What a tense and mood gives the table.
struct Inflection {
  EndingSlots endings;
  Stems stems;       // the stem of the past, the conditional or the imperative where it differs
  VerbClass cls;     // the class the endings were chosen by
  VowelClass vowel;  // "van" takes front vowels in the imperative and back ones in the conditional
};

// The thirteen slots of the verb in `mood` from the stems of that mood. Outside the present the
// second stem is the stem itself. `shortForms`: the short second person forms of the imperative.
Inflection inflect(std::string_view verb, VerbClass cls, VowelClass vowel, Stems stems, Mood mood, bool shortForms);

}  // namespace ragozo
