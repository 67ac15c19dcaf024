// What the user chose (the verb, the tense and mood, the toggles) and where the request stands.
#pragma once

#include <string>

#include "core/Mood.h"

namespace ragozo {

// Which second-person imperative forms the short/long toggle asks for. It
// starts `untouched` (the long forms, under the design caption); the toggle
// then switches between the short and the long forms.
enum class ImperativeForms : short { untouched, shortForms, longForms };

struct UserChoices {
  // The typed verb. The engine reads it and never writes it: where a result
  // empties it, it sets `Output::emptyEntry`, and the window empties the
  // entry, which starts the entry's reset as typing does.
  std::string entry;
  Mood mood = noMood;
  bool allPersons = false;        // show every person of a verb used in the third person only
  bool objectiveAnyway = false;   // show the objective column of a subjective verb
  bool imperativeAnyway = false;  // show the imperative of a verb not used in it
  bool derivedShown = false;      // the tall view with the derived forms
  ImperativeForms imperativeForms = ImperativeForms::untouched;

  // Where the request stands.
  bool keepTexts = false;    // blanking empties the table only, not the entry, boxes and labels
  bool resultShown = false;  // the next key press starts a new entry
  bool inputFresh = false;   // the entry changed since the last result: no reset on further changes
};

}  // namespace ragozo
