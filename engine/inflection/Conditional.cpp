// The conditional endings.
#include "inflection/Conditional.h"

#include "analysis/ConditionalStems.h"
#include "analysis/Cutters.h"
#include "analysis/VowelForms.h"
#include "inflection/PersonalEndings.h"
#include "text/Utf8Text.h"

namespace ragozo {
namespace {

using enum ClassProperty;

constexpr PersonalEndings kBack = {"ék", "ám", "ál", "ád", "a", "á", "ánk", "ánk", "átok", "átok", "ának", "ák", "álak"};
constexpr PersonalEndings kFront = {"ék", "ém", "él", "éd", "e", "é", "énk", "énk", "étek", "étek", "ének", "ék", "élek"};

}  // namespace

Inflection conditionalEndings(std::string_view verb, Inflection inflection) {
  Stems& stems = inflection.stems;
  ConditionalStem conditional = conditionalStem(stems.stem, stems.baseStem, verb, inflection.cls, inflection.vowel);
  stems.stem = conditional.stem;
  inflection.vowel = conditional.vowel;
  if (inflection.cls.is(likeAranylik)) conditional.marker = backOrFront(inflection.vowel, "an", "en");
  if (endsWith(verb, "van")) {
    inflection.vowel = back;
    stems.stem = withoutVanEnding(verb) + "vol";
  }
  if (inflection.cls.is(likeVerzik)) {
    const std::string last = rightChars(stems.baseStem, 1);
    stems.stem = cutEnd(stems.baseStem, 1) + std::string(formFor(inflection.vowel, "o", "e", "ö")) + last;
  }
  if (inflection.cls.is(likeIzzik)) stems.stem = stems.baseStem;
  inflection.endings = slotsOf(conditional.marker, inflection.vowel == back ? kBack : kFront);
  return inflection;
}

}  // namespace ragozo
