// The verb's code decoded once into what it says, and the meanings of the homonyms.
//
// A verb code is read by position: character 1 from the left, characters 2 to
// 9 counting from the right, so a ten-character code is read by its last eight
// for fields 2 to 9. Character 1 says whether the verb begins with a preverb,
// 2 is the vowel class, 3 and 4 the usage, 5 and 6 the class, 7 the causative
// kind, 8 the objective use and 9 how the -lak/-lek form shows. A code shorter
// than nine characters is read as far as it goes, never beyond its ends.
#pragma once

#include <string_view>

#include "analysis/Meaning.h"
#include "analysis/VerbClass.h"

namespace ragozo {

// Chooses the vowel of every suffix variant.
enum VowelClass : std::uint8_t { back, frontUnrounded, frontRounded };

// Which causative suffix the verb takes: the long -tat/-tet, the short -at/-et, or none.
enum class CausativeKind : std::uint8_t { longSuffix, shortSuffix, noCausative };

// The persons a verb is used in.
enum class PersonsUsed : std::uint8_t { all, thirdPersons, thirdPersonSingular };

struct VerbCode {
  // "2": the lexicon holds the verb as a separable preverb and a verb ("megad"); anything else a
  // simple verb. No form depends on it: a verb is conjugated alike either way.
  bool beginsWithPreverb = false;
  VowelClass vowelClass = frontRounded;  // "1" back, "2" front unrounded, anything else front rounded
  PersonsUsed persons = PersonsUsed::all;  // usage "M1", "N1", "R1", "S1": third persons; "O1": third singular
  bool usedInImperative = true;            // not for the usages "P1", "Q1", "R1", "T1"
  bool futureParticipleByUsage = false;    // a usage ending in "2": the future participle stands
  VerbClass verbClass;
  CausativeKind causative = CausativeKind::longSuffix;  // "1" short, "2" none, anything else long
  bool usedObjectively = false;            // "1": the objective conjugation is in use
  bool firstToSecondInBrackets = true;     // "1" or "3" to "9": the -lak/-lek form plain

  friend bool operator==(const VerbCode&, const VerbCode&) = default;
};

// What a code says; the empty code says what `VerbCode{}` holds.
VerbCode decodeVerbCode(std::string_view code);

// The homonyms "téved" and the verbs ending in "ragad" conjugate by meaning.
bool hasTwoMeanings(std::string_view verb);

// The code as the chosen meaning has it: the class, the objective use and the causative kind
// of "téved" ('nincs igaza', 'kerül valahova') or "ragad" ('tapad', 'fog valamit').
VerbCode withMeaning(VerbCode code, std::string_view verb, Meaning meaning);

}  // namespace ragozo
