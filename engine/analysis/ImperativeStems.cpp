// The short imperative stems of the second person singular.
#include "analysis/ImperativeStems.h"

#include "analysis/Cutters.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

struct ShortStemRow {
  std::string_view ending;  // of the entry
  bool bareToNothing;       // the bare verb is cut to nothing ("van": lé)
  int cut;
  std::string_view vowel;
};

// Tested in order; the first row whose ending the entry has applies. "eszik" and "iszik" have no
// short subjective form in use ("égy", "így" are no one's): they keep "egyél", "igyál".
constexpr ShortStemRow kShortStems[] = {
    {"vesz", true, 3, "é"}, {"tesz", true, 3, "é"}, {"lesz", true, 3, "é"}, {"visz", false, 3, "í"},
    {"van", true, 3, "lé"},
};

}  // namespace

std::string shortSubjectiveImperativeStem(std::string_view verb, std::string_view stem) {
  for (const ShortStemRow& row : kShortStems) {
    if (!endsWith(verb, row.ending)) continue;
    return (row.bareToNothing ? cutEndBareToNothing(verb, row.cut) : cutEnd(verb, row.cut)) + std::string(row.vowel);
  }
  return std::string(stem);
}

std::optional<std::string> shortObjectiveImperativeStem(std::string_view verb, VerbClass cls) {
  if (cls.is(shortObjectiveStemLessOne)) return cutEnd(verb, 1);
  if (cls.is(sibilantIk)) return cutEnd(verb, 3);
  if (cls.is(likeEdz)) return cutEnd(verb, 1) + "z";
  if (cls.is(dzikStem)) return cutEnd(verb, 3) + "z";
  return std::nullopt;
}

}  // namespace ragozo
