// Impossible endings, special patterns and the vowel guess.
#include "analysis/EndingRules.h"

#include <span>
#include <string>
#include <string_view>

#include "analysis/Lookup.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

constexpr std::string_view kStackedSuffixes[] = {
    "tettat", "tattet", "hattat", "hettet", "hattet", "hettat", "gatget", "getgat", "hatgat", "hetget", "hatget",
    "hetgat", "gettat", "gethat", "gattet", "gathet", "tetgat", "tatget", "hathat", "hethat", "hathet", "hethet",
    "tatat",  "tetat",  "tatet",  "hatat",  "hetet",  "hatet",  "getat",  "gatet",  "gatat",  "getet"};

constexpr std::string_view kDoubledSuffixes[] = {"ítít", "ulul", "ülül", "ikik", "ulül",
                                                 "ülul", "ulít", "ülít", "ítül", "ítul"};

bool endsInAny(std::string_view entry, std::span<const std::string_view> endings) {
  for (std::string_view ending : endings) {
    if (endsWith(entry, ending)) return true;
  }
  return false;
}

// Back-vowel preverbs whose vowels `keres` skips; "utána" before "után", so the
// final "a" of the preverb is not taken for the verb's own vowel.
constexpr std::string_view kBackPreverbs[] = {"rá",    "át",    "alá",   "oda",   "túl",    "ott",
                                              "abba",  "haza",  "tova",  "újjá",  "újra",   "utána",
                                              "után",  "agyon", "által", "hátra", "hozzá",  "rajta",
                                              "tovább", "vissza", "viszont"};

// The vowels that decide harmony, in both cases: the vowel search alone ignores case.
// "i" and "í" go with either kind, so they decide nothing.
constexpr std::string_view kBackVowels[] = {"a", "A", "á", "Á", "o", "O", "ó", "Ó", "u", "U", "ú", "Ú"};
constexpr std::string_view kFrontVowels[] = {"e", "E", "é", "É", "ö", "Ö", "ő", "Ő", "ü", "Ü", "ű", "Ű"};

bool isAmong(std::string_view letter, std::span<const std::string_view> letters) {
  for (std::string_view l : letters) {
    if (letter == l) return true;
  }
  return false;
}

}  // namespace

void kizar(ConjugationState& s, const Lexicon& lexicon) {
  const std::string entry = s.input();
  const bool impossible =
      endsInAny(entry, kStackedSuffixes) || (entry != "körülül" && endsInAny(entry, kDoubledSuffixes));
  if (impossible && !lexiconHolds(lexicon, entry)) s.impossibleEnding = true;
}

void mintak(ConjugationState& s) {
  const std::string entry = s.input();
  if (endsWith(entry, "örvényel")) {
    s.vowelClass = frontUnrounded;
  } else if (endsWith(entry, "foszol") || endsWith(entry, "omol")) {
    s.vowelClass = back;
  } else {
    return;
  }
  s.verbClass = kUnstableVowelClass;
  // The whole entry, as `ige` keeps it: the limit that earlier requests or
  // toggles left in the field must not cut the stem.
  s.baseStem.setLimit(static_cast<int>(charCount(entry)));
  s.baseStem.assign(entry);
  s.stem = s.baseStem.text();
  s.patternMatched = true;
}

void keres(ConjugationState& s) {
  const std::string entry = s.input();
  std::size_t skipped = 0;
  for (std::string_view preverb : kBackPreverbs) {
    if (startsWith(entry, preverb)) {
      skipped = charCount(preverb);
      break;
    }
  }
  // Harmony follows the last member of a compound: the last vowel that is not
  // "i" or "í" decides ("tanít" back; "korszerűsít", "autószerel" front).
  // One pass from the end: a pasted entry can be thousands of characters long.
  const std::string compound = midChars(entry, skipped + 1);
  for (std::string_view rest = compound; !rest.empty(); rest.remove_suffix(lastChar(rest).size())) {
    const std::string_view letter = lastChar(rest);
    if (isAmong(letter, kBackVowels)) {
      s.vowelClass = back;
      return;
    }
    if (isAmong(letter, kFrontVowels)) break;
  }
  s.vowelClass = frontUnrounded;
}

}  // namespace ragozo
