// Finding the typed verb: in the lexicon as typed, without its preverb, or by a guess.
#pragma once

#include <string>
#include <string_view>

#include "analysis/EndingGuess.h"
#include "lexicon/Lexicon.h"

namespace ragozo {

// How the verb was found.
enum class LookupWay {
  found,                // the lexicon holds the entry as typed
  foundWithoutPreverb,  // the lexicon holds the entry without its preverb
  guessed,              // classified by a pattern or by its ending
  notAVerb,             // a potential verb written with -ik ("olvashatik")
  notFound,             // neither found nor classified
};

struct LookedUp {
  LookupWay way = LookupWay::notFound;
  // The code of the verb found (the lexicon's, decoded, with or without its preverb) or guessed.
  VerbCode code;
  std::string remainder;  // the entry without the preverb split off for the second search
};

// Looks the entry (trimmed, not blank) up: as typed first, then without its
// preverb, then by the patterns and then by the endings.
LookedUp lookUp(std::string_view verb, const Lexicon& lexicon);

}  // namespace ragozo
