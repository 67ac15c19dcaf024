// The irregular verbs megy, jön, van, eszik, iszik and their kin.
#include "inflection/IrregularVerbs.h"

#include <array>
#include <string>
#include <string_view>

#include "analysis/Cutters.h"
#include "inflection/RuleTests.h"

namespace ragozo {
namespace {

using PresentColumn = std::array<std::string_view, 6>;

// Endings after the cut part, first person singular to third person plural.
constexpr PresentColumn kMegy = {"egyek", "ész", "egy", "együnk", "entek", "ennek"};
constexpr PresentColumn kJon = {"övök", "össz", "ön", "övünk", "öttök", "önnek"};
constexpr PresentColumn kVan = {"gyok", "gy", "n", "gyunk", "gytok", "nnak"};
// "sosincs" (and "nincs"), after the cut part "sos" ("n"), has a third person singular and plural only, in the present only.
constexpr PresentColumn kNincs = {"", "", "incs", "", "", "incsenek"};

void nincs(ConjugationState& s, const std::string& verb) {
  const std::string part = dropLastChars(verb, 4);
  for (int row = 1; row <= 6; ++row) {
    const std::string_view form = s.mood == presentIndicative ? kNincs[row - 1] : "";
    s.table.write(row, 1, form.empty() ? std::string() : "  " + part + std::string(form));
    s.table.write(row, 2, "");
  }
  s.table.write(7, 2, "");
}

}  // namespace

void megy(ConjugationState& s) {
  const std::string verb = s.input();
  if (endsWith(verb, "incs")) {
    nincs(s, verb);
    return;
  }
  if (s.mood != presentIndicative) return;
  const PresentColumn* endings = nullptr;
  if (endsWith(verb, "megy")) {
    van(s);  // the entry less three letters: "m", "elm"
    endings = &kMegy;
  } else if (endsWith(verb, "jön")) {
    dz(s);  // the base stem less two letters: "j", "elj"
    endings = &kJon;
  } else if (endsWith(verb, "van")) {
    sz(s);  // the base stem less one letter: "va", "megva"
    endings = &kVan;
  } else {
    return;
  }
  const std::string part = s.cutResult.text();
  for (int row = 1; row <= 6; ++row) {
    s.table.write(row, 1, "  " + part + std::string((*endings)[row - 1]));
  }
}

void eszik(ConjugationState& s) {
  if (s.mood != pastIndicative) return;
  const std::string verb = s.input();
  if (endsWith(verb, "eszik")) {
    s.endings.sg3Subj = "vett";
  } else if (endsWith(verb, "iszik")) {
    s.endings.sg3Subj = "vott";
  }
}

}  // namespace ragozo
