// What the look-up found out about the typed verb: the search, the code and the class.
#pragma once

#include <string>

#include "analysis/VerbCode.h"

namespace ragozo {

// `lookupOutcome`: what the look-up driver decided.
enum LookupOutcome : short { found = 0, stopped = 1, guessed = 2 };

// `prefixState`: whether a preverb was stripped for the second search.
enum PrefixState : short { notTried = 0, stripped = 1, noneFound = 2 };

struct LookupFindings {
  // The search.
  std::string searchWord;
  bool searchFound = false;  // `lista` found the search word
  std::string foundCode;     // the code of the word found, as the lexicon holds it
  std::string prefix;
  std::string remainder;
  PrefixState prefixState = notTried;
  LookupOutcome lookupOutcome = found;
  bool lookupAnnounced = false;   // the notice and message of this entry were shown
  bool patternMatched = false;    // `mintak` classified the entry
  bool impossibleEnding = false;  // `kizar` refused the entry
  bool codeSplit = false;         // `tordel` ran for this entry
  bool endsInHat = false;         // a lexicon verb with its own final "hat"
  bool keepMessage = false;       // the notice of the look-up stays over the action's own

  // The code, decoded once per entry (or what the guess gave), and the class and vowel class
  // the conjugation works with.
  VerbCode code;
  VerbClass verbClass;
  VowelClass vowelClass = frontRounded;
  CausativeKind causativeKind = CausativeKind::longSuffix;
  bool rootAtEt = false;  // the final -at/-et belongs to the root
};

}  // namespace ragozo
