// What the look-up found out about the typed verb: the search, the code and the class.
#pragma once

#include <string>

namespace ragozo {

// `vowelClass`: chooses the vowel of every suffix variant; `noVowelClass` before one is set.
enum VowelClass : short { noVowelClass = 0, back = 1, frontUnrounded = 2, frontRounded = 3 };

// `lookupOutcome`: what the look-up driver decided.
enum LookupOutcome : short { found = 0, stopped = 1, guessed = 2 };

// `prefixState`: whether a preverb was stripped for the second search.
enum PrefixState : short { notTried = 0, stripped = 1, noneFound = 2 };

// `causativeKind`: which causative suffix the verb takes. The code's
// character 7 gives it ("1" the short -at/-et, "2" none, any other the long
// -tat/-tet); `fact` refines it from the stem's final t.
enum class CausativeKind : short { longSuffix, shortSuffix, noCausative };

// The kind a code character stands for.
constexpr CausativeKind causativeKindOf(char digit) {
  return digit == '1' ? CausativeKind::shortSuffix : digit == '2' ? CausativeKind::noCausative : CausativeKind::longSuffix;
}

struct LookupFindings {
  // The search.
  std::string searchWord;
  std::string foundWord;
  std::string verbCode;
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

  // The classification.
  std::string classCode;
  VowelClass vowelClass = noVowelClass;
  CausativeKind causativeKind = CausativeKind::longSuffix;
  bool rootAtEt = false;  // the final -at/-et belongs to the root
  int sg1To2Digit = 0;    // code character 9: 1 shows the -lak/-lek form plain, 0 and 2 in brackets
  bool noImperative = false;

  // The code labels.
  std::string vowelUsage;        // code characters 2 to 4
  std::string lexiconClassCode;  // code characters 5 and 6, or the chosen meaning's class
  std::string valenceCode;       // code characters 7 and 8
};

}  // namespace ragozo
