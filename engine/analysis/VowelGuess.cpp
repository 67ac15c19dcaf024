// The vowel class of a verb not in the lexicon, guessed from its vowels.
#include "analysis/VowelGuess.h"

#include <span>
#include <string>

#include "text/Utf8Text.h"

namespace ragozo {
namespace {

// Back-vowel preverbs whose vowels are skipped; "utána" before "után", so the
// final "a" of the preverb is not taken for the verb's own vowel.
constexpr std::string_view kBackPreverbs[] = {"rá",    "át",    "alá",   "oda",   "túl",    "ott",
                                              "abba",  "haza",  "tova",  "újjá",  "újra",   "utána",
                                              "után",  "agyon", "által", "hátra", "hozzá",  "rajta",
                                              "tovább", "vissza", "viszont"};

// The vowels that decide harmony (the entry comes in lower case). "i" and "í" go with either
// kind, so they decide nothing.
constexpr std::string_view kBackVowels[] = {"a", "á", "o", "ó", "u", "ú"};
constexpr std::string_view kFrontVowels[] = {"e", "é", "ö", "ő", "ü", "ű"};

bool isAmong(std::string_view letter, std::span<const std::string_view> letters) {
  for (std::string_view l : letters) {
    if (letter == l) return true;
  }
  return false;
}

}  // namespace

VowelClass guessVowelClass(std::string_view verb) {
  std::size_t skipped = 0;
  for (std::string_view preverb : kBackPreverbs) {
    if (startsWith(verb, preverb)) {
      skipped = charCount(preverb);
      break;
    }
  }
  // One pass from the end: a pasted entry can be thousands of characters long.
  const std::string compound = midChars(verb, skipped + 1);
  for (std::string_view rest = compound; !rest.empty(); rest.remove_suffix(lastChar(rest).size())) {
    const std::string_view letter = lastChar(rest);
    if (isAmong(letter, kBackVowels)) return back;
    if (isAmong(letter, kFrontVowels)) break;
  }
  return frontUnrounded;
}

}  // namespace ragozo
