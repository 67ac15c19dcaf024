// The conditional marker and stem.
#include "analysis/ConditionalStems.h"

#include "analysis/Cutters.h"
#include "analysis/VowelForms.h"
#include "text/Utf8Text.h"

namespace ragozo {

using enum ClassProperty;

ConditionalStem conditionalStem(std::string_view stem, std::string_view baseStem, std::string_view verb, VerbClass cls,
                                VowelClass vowel) {
  ConditionalStem conditional{std::string(stem), std::string(), vowel};
  if (cls.is(conditionalMarkerN)) {
    conditional.marker = "n";
  } else if (cls.is(conditionalMarkerLinked)) {
    conditional.marker = backOrFront(vowel, "an", "en");
  }
  if (cls.is(shortStem)) {
    conditional.stem = cutEnd(baseStem, 2);
    conditional.marker = "nn";
  } else if (cls.is(likeVesz)) {
    conditional.stem = cutEnd(baseStem, 3) + "esz";
  } else if (cls.is(irregular)) {
    if (endsWith(verb, "megy")) {
      conditional.stem = cutEnd(baseStem, 2) + "n";
    } else if (endsWith(verb, "van")) {
      conditional.vowel = frontUnrounded;
      conditional.stem = withoutVanEnding(verb) + "len";
    }
  }
  return conditional;
}

}  // namespace ragozo
