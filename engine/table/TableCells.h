// The text of every form cell of the conjugation table.
#pragma once

#include <optional>
#include <string_view>

#include "core/Mood.h"
#include "inflection/Inflection.h"
#include "table/ConjugationTable.h"

namespace ragozo {

// What the cells are written from.
struct CellSource {
  std::string_view verb;     // the typed verb
  Mood mood;
  bool shortForms;           // the short second person forms of the imperative
  const Inflection& inflection;
  // The plain stand-in's stem ("megalapul" of "megalapszik"), whose present gives the verb's
  // objective third persons, first person plural and -lak form in every tense and mood.
  std::optional<std::string_view> standInStem;
  bool firstToSecondInBrackets;
};

// The empty table with the persons of both columns and the objective -lak/-lek
// form written. Each cell gets its default (two blanks, a stem, the slot's
// ending); then every per-class or per-verb rule that holds writes it again, in
// order, so the last one decides. The present of "fürdik" takes the base stem
// as its stem from the subjective third person plural on. The subjective cell
// of the -lak/-lek row is never written.
ConjugationTable writeCells(const CellSource& source);

}  // namespace ragozo
