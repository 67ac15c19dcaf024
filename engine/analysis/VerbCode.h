// The verb's code decoded once into what it says, the class and the vowel class.
//
// A verb code is read by position: character 1 from the left, characters 2 to
// 9 counting from the right, so a ten-character code is read by its last eight
// for fields 2 to 9. Character 2 is the vowel class, 3 and 4 the usage, 5 and
// 6 the class, 7 the causative kind, 8 the objective use and 9 how the
// -lak/-lek form shows. A code shorter than nine characters is read as far as
// it goes, never beyond its ends. Character 1 (whether the verb has a
// preverb) is the lexicon's own and is not read here.
#pragma once

#include <string_view>

#include "analysis/VerbClass.h"
#include "state/Dialogs.h"

namespace ragozo {

struct ConjugationState;

// Chooses the vowel of every suffix variant.
enum VowelClass : std::uint8_t { back, frontUnrounded, frontRounded };

// Which causative suffix the verb takes: the long -tat/-tet, the short -at/-et, or none.
enum class CausativeKind : std::uint8_t { longSuffix, shortSuffix, noCausative };

// The persons a verb is used in.
enum class PersonsUsed : std::uint8_t { all, thirdPersons, thirdPersonSingular };

struct VerbCode {
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

// Title and texts of the meaning question of the homonyms "téved" and "...ragad".
inline constexpr const char* kMeaningQuestionTitle = "Jelentésválasztás";
inline constexpr const char* kMeaningQuestionPrompt = "A megfelelő gombra kattintva válassza ki az ige jelentését!";

// Decodes `foundCode` into `code` and sets `codeSplit`. The first split of an
// entry that is exactly "téved" or ends in "ragad" asks the user which meaning
// is meant, and the answer replaces the class, the objective use and the
// causative kind just decoded; while `codeSplit` is set the question is not
// asked again. `causativeKind` starts from the code's kind.
void tordel(ConjugationState& s, Dialogs& dialogs);

// `verbClass` := the code's class.
void csoport(ConjugationState& s);

// `vowelClass` := the code's vowel class.
void tipus(ConjugationState& s);

}  // namespace ragozo
