// Entries no Hungarian verb can be: stacks of suffixes that no verb carries.
#include "analysis/EntryRefusal.h"

#include <span>

#include "analysis/LexiconSearch.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

constexpr std::string_view kStackedSuffixes[] = {
    "tettat", "tattet", "hattat", "hettet", "hattet", "hettat", "gatget", "getgat", "hatgat", "hetget", "hatget",
    "hetgat", "gettat", "gethat", "gattet", "gathet", "tetgat", "tatget", "hathat", "hethat", "hathet", "hethet",
    "tatat",  "tetat",  "tatet",  "hatat",  "hetet",  "hatet",  "getat",  "gatet",  "gatat",  "getet"};

constexpr std::string_view kDoubledSuffixes[] = {"ítít", "ulul", "ülül", "ikik", "ulül",
                                                 "ülul", "ulít", "ülít", "ítül", "ítul"};

bool endsInAny(std::string_view verb, std::span<const std::string_view> endings) {
  for (std::string_view ending : endings) {
    if (endsWith(verb, ending)) return true;
  }
  return false;
}

}  // namespace

bool hasImpossibleEnding(std::string_view verb, const Lexicon& lexicon) {
  const bool impossible =
      endsInAny(verb, kStackedSuffixes) || (verb != "körülül" && endsInAny(verb, kDoubledSuffixes));
  return impossible && !lexiconHolds(lexicon, verb);
}

}  // namespace ragozo
