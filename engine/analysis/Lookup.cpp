// Finding the typed verb: in the lexicon as typed, without its preverb, or by a guess.
#include "analysis/Lookup.h"

#include <optional>

#include "analysis/LexiconSearch.h"
#include "analysis/Preverbs.h"

namespace ragozo {

LookedUp lookUp(std::string_view verb, const Lexicon& lexicon) {
  LookedUp looked;
  if (const std::optional<std::string_view> code = codeOf(lexicon, verb)) {
    looked.way = LookupWay::found;
    looked.code = decodeVerbCode(*code);
    return looked;
  }
  if (const std::optional<PreverbSplit> split = splitPreverb(verb)) {
    looked.remainder = split->remainder;
    if (const std::optional<std::string_view> code = codeOf(lexicon, split->remainder)) {
      looked.way = LookupWay::foundWithoutPreverb;
      looked.code = decodeVerbCode(*code);
      return looked;
    }
  }
  if (const std::optional<VerbCode> pattern = guessFromPattern(verb)) {
    looked.way = LookupWay::guessed;
    looked.code = *pattern;
    return looked;
  }
  const EndingGuess ending = guessFromEnding(verb);
  switch (ending.kind) {
    case EndingGuess::Kind::guessed:
      looked.way = LookupWay::guessed;
      looked.code = ending.code;
      break;
    case EndingGuess::Kind::notAVerb:
      looked.way = LookupWay::notAVerb;
      break;
    case EndingGuess::Kind::none:
      looked.way = LookupWay::notFound;
      break;
  }
  return looked;
}

}  // namespace ragozo
