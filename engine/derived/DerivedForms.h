// The eight derived forms of the verb conjugated.
#pragma once

#include <string_view>

#include "analysis/VerbCode.h"
#include "derived/DerivedBoxes.h"
#include "inflection/Inflection.h"

namespace ragozo {

// What the derived forms are built from.
struct DerivedSource {
  std::string_view verb;        // the entry as the look-up took it: trimmed, in lower case
  // The stems, class and vowel class of the indicative present, whatever tense and mood the table
  // shows; for a verb with a plain stand-in ("alapszik"), the stand-in's class and stem.
  const Inflection& inflection;
  const VerbCode& code;
  bool objectiveAnyway = false;  // the objective column shown anyway keeps the future participle
  bool verbWithOwnHat = false;   // a lexicon verb with its own final "hat" ("hat", "áthat")
};

struct DerivedForms {
  DerivedBoxes boxes;
  bool potentialVerb = false;  // the entry is a potential verb: only its present participle stands
};

// The infinitive, adverbial participle, present and past participle, future
// participle, action noun, potential verb and causative verb, or "Nincs ilyen
// alak." where the verb lacks the form. Each box starts from the stem of the
// indicative present (after the -ik stem fixes) and applies its own class
// rules; the irregular verbs get their fixed forms, and the causative its
// -tat/-at choice and exemptions.
//
// Edge cases: "elhisz" and "meghisz" keep their preverb in the present participle
// ("elhívő"); "aránylik" in the class of its first code takes the infinitive marker of
// its neighbours ("aránylani"); an entry that is itself a potential verb
// (-hat/-het) keeps only its present participle, unless it is a lexicon verb
// with its own final "hat".
DerivedForms deriveForms(const DerivedSource& source);

}  // namespace ragozo
