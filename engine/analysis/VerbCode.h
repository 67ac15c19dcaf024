// The verb code's split, the class and the vowel class.
//
// A verb code is read by position: character 1 from the left, characters 2 to
// 9 counting from the right, so a ten-character code is read by its last eight
// for fields 2 to 9. Characters 2-4 are the vowel digit and the usage code,
// 5-6 the class code, 7-8 the valence code (causative digit, objective digit)
// and 9 the digit of the first-person-to-second-person form. A code shorter
// than nine characters is read as far as it goes, never beyond its ends.
#pragma once

#include <string>

#include "state/ConjugationState.h"
#include "state/Dialogs.h"
#include "text/Utf8Text.h"

namespace ragozo {

// Title and texts of the meaning question of the homonyms "téved" and "...ragad".
inline constexpr const char* kMeaningQuestionTitle = "Jelentésválasztás";
inline constexpr const char* kMeaningQuestionPrompt = "A megfelelő gombra kattintva válassza ki az ige jelentését!";

// The usage code: the last two characters of the vowel-and-usage label.
inline std::string usageCode(const ConjugationState& s) { return rightChars(s.vowelUsage, 2); }

// Usage codes of verbs not used in the imperative; they also lack some derived forms.
inline bool withoutImperative(const ConjugationState& s) {
  const std::string usage = usageCode(s);
  return usage == "P1" || usage == "Q1" || usage == "R1" || usage == "T1";
}

// Splits `verbCode` into `vowelUsage`, `lexiconClassCode`, `valenceCode`,
// `causativeKind` (from character 7), `sg1To2Digit` and `noImperative` (set
// for the usage codes "P1", "Q1", "R1", "T1", else cleared, so it always
// follows the verb just split), then sets `codeSplit`. The first split of an entry that is exactly
// "téved" or ends in "ragad" asks the user which meaning is meant, and the
// answer replaces the class, the valence and the causative kind just split;
// while `codeSplit` is set the question is not asked again.
void tordel(ConjugationState& s, Dialogs& dialogs);

// `classCode` := a copy of `lexiconClassCode`.
void csoport(ConjugationState& s);

// `vowelClass` := 1 for the vowel digit "1", 2 for "2", 3 for any other character.
void tipus(ConjugationState& s);

}  // namespace ragozo
