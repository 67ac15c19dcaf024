// Splitting a preverb off the typed verb for the second search.
#include "analysis/Preverbs.h"

#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// Each begins with a shorter preverb of the list below, so it must be tried first.
// "benn" is one of them: tried after "be" it could never match.
constexpr std::string_view kLongerFirst[] = {"bele", "benn", "alább", "ellen", "előre", "felül", "utána", "elé", "elő"};

// The other preverbs, shortest first; none begins with another of this list.
constexpr std::string_view kPreverbs[] = {
    "át",      "be",      "el",      "ki",     "le",     "rá",     "alá",    "fel",    "föl",    "ide",
    "meg",     "oda",     "ott",     "reá",    "túl",    "abba",   "alul",   "fenn",   "fönn",   "haza",
    "közé",    "neki",    "szét",    "tele",   "teli",   "tova",   "újjá",   "újra",   "után",   "vele",
    "agyon",   "által",   "egybe",   "egyet",  "félbe",  "félre",  "hátra",  "hozzá",  "ketté",  "körbe",
    "körül",   "közbe",   "közre",   "közzé",  "külön",  "mellé",  "össze",  "rajta",  "végbe",  "végig",
    "végre",   "együtt",  "helyre",  "szembe", "szerte", "tovább", "tönkre", "véghez", "vissza", "kölcsön",
    "széjjel", "viszont", "keresztül"};

std::string_view preverbOf(std::string_view entry) {
  for (std::string_view preverb : kLongerFirst) {
    if (startsWith(entry, preverb)) return preverb;
  }
  for (std::string_view preverb : kPreverbs) {
    if (startsWith(entry, preverb)) return preverb;
  }
  return {};
}

}  // namespace

std::optional<PreverbSplit> splitPreverb(std::string_view verb) {
  const std::string_view preverb = preverbOf(verb);
  if (preverb.empty()) return std::nullopt;
  return PreverbSplit{std::string(preverb), midChars(verb, charCount(preverb) + 1)};
}

}  // namespace ragozo
