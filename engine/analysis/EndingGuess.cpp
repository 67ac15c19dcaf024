// Classification of a verb that is not in the lexicon from its ending.
#include "analysis/EndingGuess.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "analysis/EndingRules.h"
#include "analysis/PlainStems.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

constexpr int kGuessVowel = 0;  // the vowel class comes from `keres`

struct EndingRow {
  std::array<std::string_view, 21> endings;  // unused places stay empty
  std::string_view classCode;
  std::string_view valenceCode;
  int vowelClass;  // 1, 2, 3 or kGuessVowel
  std::array<std::string_view, 4> roundedIf{};  // after a guess, 3 when the entry ends in one of these
  std::string_view refuseIf{};  // a potential verb with a wrong -ik: refuse instead of the row
};

struct Stage {
  std::size_t length;
  std::span<const EndingRow> rows;
};

constexpr EndingRow kStage1[] = {
    {{"az", "oz", "áz", "óz", "úz", "uz"}, "18", "01", back},
    {{"ez", "íz", "éz", "iz"}, "18", "01", kGuessVowel},
    {{"öz", "őz", "üz", "űz"}, "18", "01", frontRounded},
    {{"at"}, "16", "01", back},
    {{"et"}, "16", "01", frontUnrounded},
    {{"al", "ál", "ol", "ól", "ul", "úl", "an"}, "01", "01", back},
    {{"el", "él", "il", "íl", "en"}, "01", "01", kGuessVowel},
    {{"od"}, "07", "01", back},
    {{"ed"}, "07", "01", frontUnrounded},
    {{"öd"}, "07", "01", frontRounded},
    {{"öl", "ől", "ül", "űl"}, "01", "01", frontRounded},
    {{"ít"}, "12", "01", kGuessVowel},
};

constexpr EndingRow kStage2[] = {
    {{"ont", "ant", "ánt", "ent", "önt", "int", "olt", "alt", "ált", "elt", "ilt",
      "ojt", "ajt", "ájt", "ejt", "ijt", "ort", "art", "árt", "ert", "irt"},
     "13", "01", kGuessVowel, {"önt"}},
    {{"ong", "eng", "öng"}, "09", "01", kGuessVowel, {"öng"}},
    {{"ász"}, "21", "01", back},
    {{"ész"}, "21", "01", frontUnrounded},
};

constexpr EndingRow kStage3[] = {
    {{"azik", "ozik", "ázik", "ózik", "úzik", "uzik"}, "61", "01", back},
    {{"ezik", "ízik", "ézik", "izik"}, "61", "01", kGuessVowel},
    {{"özik", "őzik", "üzik", "űzik"}, "61", "01", frontRounded},
    {{"odik", "ódik", "udik"}, "31", "00", back},
    {{"edik"}, "31", "00", frontUnrounded},
    {{"ödik", "ődik", "üdik"}, "31", "00", frontRounded},
    {{"aszt", "oszt"}, "14", "01", back},
    {{"eszt", "észt", "iszt"}, "14", "01", frontUnrounded},
    {{"öszt"}, "14", "01", frontRounded},
    {{"atik"}, "51", "00", back, {}, "hatik"},
    {{"etik"}, "51", "00", frontUnrounded, {}, "hetik"},
    {{"dzik"}, "40", "00", kGuessVowel, {"ödzik", "ődzik", "üdzik", "űdzik"}},
};

constexpr EndingRow kStage4[] = {
    {{"ászik"}, "57", "01", back},
    {{"észik"}, "57", "01", frontUnrounded},
};

constexpr Stage kStages[] = {{2, kStage1}, {3, kStage2}, {4, kStage3}, {5, kStage4}};

bool endsInAny(std::string_view entry, std::span<const std::string_view> endings) {
  for (std::string_view ending : endings) {
    if (!ending.empty() && endsWith(entry, ending)) return true;
  }
  return false;
}

const EndingRow* matchingRow(const std::string& entry) {
  const std::size_t length = charCount(entry);
  for (const Stage& stage : kStages) {
    if (length <= stage.length) continue;
    for (const EndingRow& row : stage.rows) {
      if (endsInAny(entry, row.endings)) return &row;
    }
  }
  return nullptr;
}

}  // namespace

EndingGuess guessFromEnding(ConjugationState& s) {
  const std::string entry = s.input();
  const EndingRow* row = matchingRow(entry);
  if (row == nullptr) return EndingGuess::none;
  if (!row->refuseIf.empty() && endsWith(entry, row->refuseIf)) return EndingGuess::refused;
  s.classCode = std::string(row->classCode);
  s.valenceCode = std::string(row->valenceCode);
  if (row->vowelClass == kGuessVowel) {
    keres(s);
    if (endsInAny(entry, row->roundedIf)) s.vowelClass = frontRounded;
  } else {
    s.vowelClass = static_cast<VowelClass>(row->vowelClass);
  }
  ige(s);
  return EndingGuess::guessed;
}

}  // namespace ragozo
