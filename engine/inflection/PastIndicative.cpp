// The past indicative marker and endings.
#include "inflection/PastIndicative.h"

#include "analysis/Alapszik.h"
#include "analysis/PastStems.h"
#include "inflection/PersonalEndings.h"
#include "inflection/RuleTests.h"

namespace ragozo {
namespace {

using enum ClassProperty;

// "ott", "ett" or "ött".
void setLinkedThird(ConjugationState& s) { s.pastThird = formFor(s.vowelClass, "ott", "ett", "ött"); }

constexpr PersonalEndings kBack = {"am", "am", "ál", "ad", "", "a", "unk", "uk", "atok", "átok", "ak", "ák", "alak"};
constexpr PersonalEndings kFront = {"em", "em", "él", "ed", "", "e", "ünk", "ük", "etek", "étek", "ek", "ék", "elek"};

}  // namespace

void multjel(ConjugationState& s) {
  if (isAlapszik(s.input())) s.verbClass = kPlainClass;
  const VerbClass cls = s.verbClass;
  if (cls.is(pastMarkerT)) {
    s.marker = "t";
    s.pastThird = "t";
  } else if (cls.is(pastMarkerTLinkedThird)) {
    s.marker = "t";
    setLinkedThird(s);
  } else if (cls.is(pastMarkerLinked)) {
    setLinkedThird(s);
    s.marker = s.pastThird;
  } else if (cls.is(pastMarkerTt)) {
    s.marker = "tt";
    s.pastThird = "tt";
  }
}

void mult(ConjugationState& s) {
  multjel(s);
  writeSlots(s.endings, s.marker, s.vowelClass == VowelClass::back ? kBack : kFront);
  s.endings.sg3Subj = s.pastThird;
  multto(s);
}

}  // namespace ragozo
