// The causative rule's helpers and the potential-verb guard.
#include "inflection/CausativeRule.h"

#include "display/TableBlanking.h"
#include "inflection/RuleTests.h"

namespace ragozo {
namespace {

bool isVowelLetter(std::string_view letter) {
  return isOneOf(letter, {"a", "á", "e", "é", "i", "í", "o", "ó", "ö", "ő", "u", "ú", "ü", "ű"});
}

}  // namespace

void fact(ConjugationState& s) {
  const std::string& base = s.baseStem.text();
  if (endsWith(base, "t")) {
    const std::string before = leftChars(rightChars(base, 2), 1);
    s.causativeKind = isVowelLetter(before) ? CausativeKind::longSuffix : CausativeKind::shortSuffix;
  }
  if (endsWithAny(s.input(), {"mutat", "matat"})) s.causativeKind = CausativeKind::longSuffix;
}

void atlista(ConjugationState& s) {
  const std::string verb = s.input();
  s.rootAtEt = endsWithAny(verb, {"arat", "avat", "caflat", "caplat", "gyarat", "koslat", "mulat", "sirat",
                                  "tolat", "ugrat", "vallat", "vizslat", "zaklat", "fürdet", "fizet", "reszket",
                                  "rigyet", "siet", "vet", "vezet", "viszket", "hirdet"})
                   ? 1
                   : 0;
}

void hato(ConjugationState& s) {
  if (!endsWithAny(s.input(), {"hat", "het"}) || s.endsInHat) return;
  al5(s);  // says why in the tall view
}

}  // namespace ragozo
