// The short imperative stems and endings of the second person singular.
#include "analysis/ImperativeStems.h"

#include <string>
#include <string_view>

#include "analysis/ClassSets.h"
#include "analysis/Cutters.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

struct ShortStemRow {
  std::string_view ending;  // of the entry
  bool raisesFlag;          // the cut of the bare word must give the empty text
  int cut;
  std::string_view vowel;
};

// Tested in order; the first row whose ending the entry has applies.
constexpr ShortStemRow kShortStems[] = {
    {"vesz", true, 3, "é"}, {"tesz", true, 3, "é"},  {"lesz", true, 3, "é"},  {"visz", false, 3, "í"},
    {"van", true, 3, "lé"}, {"eszik", true, 5, "é"}, {"iszik", true, 5, "í"},
};

}  // namespace

void rov(ConjugationState& s) {
  s.endings.sg2Subj = s.marker;
  const std::string& code = s.classCode;
  if (inClassSet(code, {"24", "25", "37", "83"})) {
    s.endings.sg2Obj = "dd";
  } else if (inClassSet(code, {"12", "13", "27", "26"})) {
    s.endings.sg2Obj = "sd";
  } else if (inClassSet(code, {"21", "22"}) || inClassSet(code, sibilantIkClasses)) {
    s.endings.sg2Obj = "zd";
  } else {
    s.endings.sg2Obj = 'd';
  }
}

void rovto(ConjugationState& s) {
  if (s.imperativeForms != ImperativeForms::shortForms) return;
  const std::string savedCut = s.cutResult.text();
  s.longStem = s.stem;
  const std::string entry = s.input();
  for (const ShortStemRow& row : kShortStems) {
    if (!endsWith(entry, row.ending)) continue;
    if (row.raisesFlag) s.emptyCutFlag = true;
    vag(s, row.cut);
    s.stem = s.cutResult.text() + std::string(row.vowel);
    break;
  }
  // The saved text goes back whole, whatever limit the cut left on the field.
  const int limit = s.cutResult.limit();
  s.cutResult.setLimit(0);
  s.cutResult.assign(savedCut);
  s.cutResult.setLimit(limit);
}

void ujto(ConjugationState& s) {
  const std::string& code = s.classCode;
  int cut = 0;
  std::string_view added;
  if (inClassSet(code, {"14", "21", "22", "26"})) {
    cut = 1;
  } else if (inClassSet(code, sibilantIkClasses)) {
    cut = 3;
  } else if (code == "20") {
    cut = 1;
    added = "z";
  } else if (code == "40" || code == "63") {
    cut = 3;
    added = "z";
  } else {
    return;
  }
  s.stemBeforeCut = s.stem;
  vag(s, cut);
  s.stem = s.cutResult.text() + std::string(added);
}

}  // namespace ragozo
