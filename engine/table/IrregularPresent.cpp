// The cells of the irregular verbs megy, jön, van and "sosincs", which no stem and ending give.
#include "table/IrregularPresent.h"

#include <array>
#include <string>
#include <utility>

#include "analysis/Cutters.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using PresentColumn = std::array<std::string_view, kPersonRows.size()>;

// Endings after the cut part, one for each of `kPersonRows`.
constexpr PresentColumn kMegy = {"egyek", "ész", "egy", "együnk", "entek", "ennek"};
constexpr PresentColumn kJon = {"övök", "össz", "ön", "övünk", "öttök", "önnek"};
constexpr PresentColumn kVan = {"gyok", "gy", "n", "gyunk", "gytok", "nnak"};
// "sosincs" (and "nincs"), after the cut part "sos" ("n"), has a third person singular and plural only, in the present only.
constexpr PresentColumn kNincs = {"", "", "incs", "", "", "incsenek"};

ConjugationTable writeNincs(ConjugationTable table, std::string_view verb, Mood mood) {
  const std::string part = dropLastChars(verb, 4);
  for (std::size_t person = 0; person < kPersonRows.size(); ++person) {
    const std::string_view form = mood == presentIndicative ? kNincs[person] : "";
    table.write(kPersonRows[person], kSubjectiveColumn, form.empty() ? std::string() : "  " + part + std::string(form));
    table.write(kPersonRows[person], kObjectiveColumn, "");
  }
  table.write(kFirstToSecondRow, kObjectiveColumn, "");
  return table;
}

}  // namespace

ConjugationTable writeIrregularCells(ConjugationTable table, std::string_view verb, std::string_view baseStem, Mood mood) {
  if (endsWith(verb, "incs")) return writeNincs(std::move(table), verb, mood);
  if (mood != presentIndicative) return table;
  std::string part;
  const PresentColumn* endings = nullptr;
  if (endsWith(verb, "megy")) {
    part = cutEnd(verb, 3);  // "m", "elm"
    endings = &kMegy;
  } else if (endsWith(verb, "jön")) {
    part = cutEnd(baseStem, 2);  // "j", "elj"
    endings = &kJon;
  } else if (endsWith(verb, "van")) {
    part = cutEnd(baseStem, 1);  // "va", "megva"
    endings = &kVan;
  } else {
    return table;
  }
  for (std::size_t person = 0; person < kPersonRows.size(); ++person) {
    table.write(kPersonRows[person], kSubjectiveColumn, "  " + part + std::string((*endings)[person]));
  }
  return table;
}

}  // namespace ragozo
