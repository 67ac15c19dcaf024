// The short imperative stems and endings of the second person singular.
#include "analysis/ImperativeStems.h"

#include <string>
#include <string_view>

#include "analysis/Cutters.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

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
  const VerbClass cls = s.verbClass;
  if (cls.is(shortObjectiveDd)) {
    s.endings.sg2Obj = "dd";
  } else if (cls.is(shortObjectiveSd)) {
    s.endings.sg2Obj = "sd";
  } else if (cls.is(shortObjectiveZd)) {
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
  const VerbClass cls = s.verbClass;
  int cut = 0;
  std::string_view added;
  if (cls.is(shortObjectiveStemLessOne)) {
    cut = 1;
  } else if (cls.is(sibilantIk)) {
    cut = 3;
  } else if (cls.is(likeEdz)) {
    cut = 1;
    added = "z";
  } else if (cls.is(dzikStem)) {
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
