// What one conjugation gives the window: how it ended, what to show and which toggles to offer.
#pragma once

#include <optional>
#include <string>

#include "derived/DerivedBoxes.h"
#include "table/ConjugationTable.h"
#include "table/Toggles.h"

namespace ragozo {

// How a conjugation ended.
enum class ConjugationEnd : short {
  shown,     // the table, the notice and the derived boxes hold the verb's forms
  refused,   // an impossible ending: "Nincs ilyen ige." was shown
  notAVerb,  // a potential verb written with -ik: "Törölje az 'ik' végződést!", the entry kept for mending
  notFound,  // neither found nor guessed: its message was shown and the table emptied
};

struct ConjugationResult {
  ConjugationEnd end = ConjugationEnd::shown;
  OfferedToggles offered;
  // The table to show, headings included; none where the table stays as it was (a refusal, a
  // potential verb written with -ik).
  std::optional<ConjugationTable> table;
  std::string notice;  // the notice line above the table
  // The eight derived boxes; none where they stay as they were.
  std::optional<DerivedBoxes> boxes;
  // A potential verb keeps its present participle alone; the tall view with the derived forms shows
  // this notice in place of `notice`.
  std::optional<std::string> derivedFormsNotice;
};

}  // namespace ragozo
