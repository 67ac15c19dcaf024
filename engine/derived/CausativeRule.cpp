// The causative's helpers: its kind from the stem's final t, and the roots in -at/-et.
#include "derived/CausativeRule.h"

#include <string>

#include "text/Utf8Text.h"

namespace ragozo {
namespace {

bool isVowelLetter(std::string_view letter) {
  return isOneOf(letter, {"a", "á", "e", "é", "i", "í", "o", "ó", "ö", "ő", "u", "ú", "ü", "ű"});
}

}  // namespace

CausativeKind causativeKindOfStem(CausativeKind kind, std::string_view baseStem, std::string_view verb) {
  if (endsWith(baseStem, "t")) {
    const std::string before = leftChars(rightChars(baseStem, 2), 1);
    kind = isVowelLetter(before) ? CausativeKind::longSuffix : CausativeKind::shortSuffix;
  }
  if (endsWithAny(verb, {"mutat", "matat"})) kind = CausativeKind::longSuffix;
  return kind;
}

bool hasRootAtEt(std::string_view verb) {
  return endsWithAny(verb, {"arat", "avat", "caflat", "caplat", "gyarat", "koslat", "mulat", "sirat", "tolat",
                            "ugrat", "vallat", "vizslat", "zaklat", "fürdet", "fizet", "reszket", "rigyet", "siet",
                            "vet", "vezet", "viszket", "hirdet"});
}

}  // namespace ragozo
