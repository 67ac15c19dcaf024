// The past stem.
#include "analysis/PastStems.h"

#include "analysis/Cutters.h"
#include "text/Utf8Text.h"

namespace ragozo {

using enum ClassProperty;

std::string pastStem(std::string_view stem, std::string_view baseStem, std::string_view verb, VerbClass cls) {
  std::string past(stem);
  if (cls.is(shortStem)) {
    past = cutEnd(baseStem, 2);
  } else if (cls.is(irregular)) {
    const char* ending = endsWith(verb, "megy") ? "n" : endsWith(verb, "jön") ? "öt" : endsWith(verb, "van") ? "ol" : nullptr;
    if (ending != nullptr) past = cutEnd(baseStem, 2) + ending;
  } else if (cls.is(likeVesz)) {
    past = cutEnd(baseStem, 3) + "esz";
  }
  if (cls.is(likeIzzik)) past = std::string(baseStem);
  return past;
}

}  // namespace ragozo
