// The conditional marker and stems.
#include "analysis/ConditionalStems.h"

#include <string>

#include "analysis/Alapszik.h"
#include "analysis/Cutters.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

void irregularStem(ConjugationState& s, const std::string& entry) {
  if (endsWith(entry, "megy")) {
    dz(s);
    s.stem = s.cutResult.text() + "n";
  } else if (endsWith(entry, "jön")) {
    dz(s);
    s.stem = s.cutResult.text() + "ön";
  } else if (endsWith(entry, "van")) {
    s.vowelClass = frontUnrounded;
    cutVanEnding(s);
    s.stem = s.cutResult.text() + "len";
  }
}

}  // namespace

void ennek(ConjugationState& s) {
  const std::string entry = s.input();
  if (isAlapszik(entry)) s.verbClass = kPlainClass;
  const VerbClass cls = s.verbClass;
  if (cls.is(conditionalMarkerN)) {
    s.marker = 'n';
  } else if (cls.is(conditionalMarkerLinked)) {
    s.marker = backOrFront(s.vowelClass, "an", "en");
  }
  if (cls.is(shortStem)) {
    dz(s);
    s.stem = s.cutResult.text();
    s.marker = "nn";
  } else if (cls.is(likeVesz)) {
    dz3(s);
    s.stem = s.cutResult.text() + "esz";
  } else if (cls.is(irregular)) {
    irregularStem(s, entry);
  }
}

}  // namespace ragozo
