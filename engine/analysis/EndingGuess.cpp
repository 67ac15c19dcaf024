// A verb that is not in the lexicon, classified by a pattern or by its ending.
#include "analysis/EndingGuess.h"

#include <array>
#include <span>

#include "analysis/VowelGuess.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

constexpr std::optional<VowelClass> kGuessVowel = std::nullopt;  // the vowel class comes from the vowels
constexpr bool kObjective = true;
constexpr bool kNotObjective = false;

struct EndingRow {
  std::array<std::string_view, 21> endings;  // unused places stay empty
  VerbClass verbClass;
  bool usedObjectively;
  std::optional<VowelClass> vowelClass;  // or kGuessVowel
  std::array<std::string_view, 4> roundedIf{};  // after a guess, front rounded when the entry ends in one of these
  std::string_view refuseIf{};  // a potential verb with a wrong -ik: refuse instead of the row
};

// The class a lexicon code names ("18"_class): the guess gives a verb the class of the lexicon's
// verbs of its ending.
constexpr VerbClass operator""_class(const char* code, std::size_t size) {
  return VerbClass::fromCode(std::string_view(code, size));
}

struct Stage {
  std::size_t length;
  std::span<const EndingRow> rows;
};

constexpr EndingRow kStage1[] = {
    {{"az", "oz", "áz", "óz", "úz", "uz"}, "18"_class, kObjective, back},
    {{"ez", "íz", "éz", "iz"}, "18"_class, kObjective, kGuessVowel},
    {{"öz", "őz", "üz", "űz"}, "18"_class, kObjective, frontRounded},
    {{"at"}, "16"_class, kObjective, back},
    {{"et"}, "16"_class, kObjective, frontUnrounded},
    {{"al", "ál", "ol", "ól", "ul", "úl", "an"}, kPlainClass, kObjective, back},
    {{"el", "él", "il", "íl", "en"}, kPlainClass, kObjective, kGuessVowel},
    {{"od"}, kLikeAdClass, kObjective, back},
    {{"ed"}, kLikeAdClass, kObjective, frontUnrounded},
    {{"öd"}, kLikeAdClass, kObjective, frontRounded},
    {{"öl", "ől", "ül", "űl"}, kPlainClass, kObjective, frontRounded},
    {{"ít"}, "12"_class, kObjective, kGuessVowel},
};

constexpr EndingRow kStage2[] = {
    {{"ont", "ant", "ánt", "ent", "önt", "int", "olt", "alt", "ált", "elt", "ilt",
      "ojt", "ajt", "ájt", "ejt", "ijt", "ort", "art", "árt", "ert", "irt"},
     "13"_class, kObjective, kGuessVowel, {"önt"}},
    {{"ong", "eng", "öng"}, "09"_class, kObjective, kGuessVowel, {"öng"}},
    {{"ász"}, "21"_class, kObjective, back},
    {{"ész"}, "21"_class, kObjective, frontUnrounded},
};

constexpr EndingRow kStage3[] = {
    {{"azik", "ozik", "ázik", "ózik", "úzik", "uzik"}, "61"_class, kObjective, back},
    {{"ezik", "ízik", "ézik", "izik"}, "61"_class, kObjective, kGuessVowel},
    {{"özik", "őzik", "üzik", "űzik"}, "61"_class, kObjective, frontRounded},
    {{"odik", "ódik", "udik"}, "31"_class, kNotObjective, back},
    {{"edik"}, "31"_class, kNotObjective, frontUnrounded},
    {{"ödik", "ődik", "üdik"}, "31"_class, kNotObjective, frontRounded},
    {{"aszt", "oszt"}, "14"_class, kObjective, back},
    {{"eszt", "észt", "iszt"}, "14"_class, kObjective, frontUnrounded},
    {{"öszt"}, "14"_class, kObjective, frontRounded},
    {{"atik"}, "51"_class, kNotObjective, back, {}, "hatik"},
    {{"etik"}, "51"_class, kNotObjective, frontUnrounded, {}, "hetik"},
    {{"dzik"}, "40"_class, kNotObjective, kGuessVowel, {"ödzik", "ődzik", "üdzik", "űdzik"}},
};

constexpr EndingRow kStage4[] = {
    {{"ászik"}, "57"_class, kObjective, back},
    {{"észik"}, "57"_class, kObjective, frontUnrounded},
};

constexpr Stage kStages[] = {{2, kStage1}, {3, kStage2}, {4, kStage3}, {5, kStage4}};

bool endsInAny(std::string_view entry, std::span<const std::string_view> endings) {
  for (std::string_view ending : endings) {
    if (!ending.empty() && endsWith(entry, ending)) return true;
  }
  return false;
}

const EndingRow* matchingRow(std::string_view entry) {
  const std::size_t length = charCount(entry);
  for (const Stage& stage : kStages) {
    if (length <= stage.length) continue;
    for (const EndingRow& row : stage.rows) {
      if (endsInAny(entry, row.endings)) return &row;
    }
  }
  return nullptr;
}

// The code a guess gives: the rest as the empty code has it.
VerbCode guessedCode(VerbClass cls, bool usedObjectively, VowelClass vowel) {
  VerbCode code;
  code.verbClass = cls;
  code.usedObjectively = usedObjectively;
  code.vowelClass = vowel;
  return code;
}

}  // namespace

std::optional<VerbCode> guessFromPattern(std::string_view verb) {
  if (endsWith(verb, "örvényel")) return guessedCode(kUnstableVowelClass, kNotObjective, frontUnrounded);
  if (endsWith(verb, "foszol") || endsWith(verb, "omol")) return guessedCode(kUnstableVowelClass, kNotObjective, back);
  return std::nullopt;
}

EndingGuess guessFromEnding(std::string_view verb) {
  const EndingRow* row = matchingRow(verb);
  if (row == nullptr) return {};
  if (!row->refuseIf.empty() && endsWith(verb, row->refuseIf)) return {EndingGuess::Kind::notAVerb, {}};
  VowelClass vowel;
  if (row->vowelClass) {
    vowel = *row->vowelClass;
  } else {
    vowel = endsInAny(verb, row->roundedIf) ? frontRounded : guessVowelClass(verb);
  }
  return {EndingGuess::Kind::guessed, guessedCode(row->verbClass, row->usedObjectively, vowel)};
}

}  // namespace ragozo
