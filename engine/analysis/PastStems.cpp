// The past stems.
#include "analysis/PastStems.h"

#include <string>

#include "analysis/Alapszik.h"
#include "analysis/ClassSets.h"
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
  const std::string& code = s.classCode;
  if (inClassSet(code, shortStemClasses)) {
    dz(s);
    s.stem = s.cutResult.text();
  } else if (code == "99") {
    irregularStem(s, entry);
  } else if (code == "2a") {
    dz3(s);
    s.stem = s.cutResult.text() + "esz";
  }
  if (code == "6a") s.stem = s.baseStem.text();
}

}  // namespace ragozo
