// The past stems.
#include "analysis/PastStems.h"

#include <string>

#include "analysis/Alapszik.h"
#include "analysis/Cutters.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

void irregularStem(ConjugationState& s, const std::string& entry) {
  const char* ending = endsWith(entry, "megy") ? "n" : endsWith(entry, "jön") ? "öt" : endsWith(entry, "van") ? "ol" : nullptr;
  if (ending == nullptr) return;
  dz(s);
  s.stem = s.cutResult.text() + ending;
}

}  // namespace

void multto(ConjugationState& s) {
  const std::string entry = s.input();
  if (isAlapszik(entry)) s.stem = alapszikStem(entry);
  const VerbClass cls = s.verbClass;
  if (cls.is(ClassProperty::shortStem)) {
    dz(s);
    s.stem = s.cutResult.text();
  } else if (cls.is(ClassProperty::irregular)) {
    irregularStem(s, entry);
  } else if (cls.is(ClassProperty::likeVesz)) {
    dz3(s);
    s.stem = s.cutResult.text() + "esz";
  }
  if (cls.is(ClassProperty::likeIzzik)) s.stem = s.baseStem.text();
}

}  // namespace ragozo
