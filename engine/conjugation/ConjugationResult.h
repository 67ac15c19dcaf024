// What one conjugation gives the window: how it ended, the toggles it offers and what to show.
#pragma once

#include "state/Output.h"

namespace ragozo {

// How a conjugation ended.
enum class ConjugationEnd : short {
  shown,    // the table, the notice and the derived boxes hold the verb's forms
  refused,  // an impossible ending: "Nincs ilyen ige." was shown, nothing else changed
  stopped,  // the look-up stopped (not a verb, or a potential verb with -ik): its message was shown
};

// The toggles beside the table that the verb calls for. A shown result sets
// each of the first three visible when it is true (they stay visible until
// the next entry) and the short/long imperative toggle to its value.
struct OfferedToggles {
  bool allPersons = false;       // a verb used in the third persons only
  bool objective = false;        // a verb not used in the objective conjugation
  bool imperative = false;       // a verb not used in the imperative, in the imperative
  bool imperativeForms = false;  // the short/long second-person imperative toggle
  friend bool operator==(const OfferedToggles&, const OfferedToggles&) = default;
};

struct ConjugationResult {
  ConjugationEnd end = ConjugationEnd::shown;
  OfferedToggles offered;
  Output output;  // every cell, the notice, the eight derived boxes
};

}  // namespace ragozo
