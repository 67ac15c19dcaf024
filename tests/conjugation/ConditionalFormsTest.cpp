// The conditional present of the verbs whose stems and markers the rules single out.
//
// Each row is one request and every form cell it shows (see support/Conjugation.h); the verbs
// without a code are the tests' lexicon's. The everyday verbs are in tests/app/TableCellsTest.cpp.
#include <gtest/gtest.h>

#include "support/Conjugation.h"

namespace ragozo::testing {
namespace {

// The bare marker "n" ("akadna", "veszne", and the -kik class: "bukna", not "bukana"), the
// irregular stems with a preverb ("megvolna", "elmenne"), the stem with the inserted vowel
// ("vérezne", "dohányozna", "fuldokolna", "tündökölne"), "sosincs" without a conditional, and
// "aránylik", whose first code's class "6d" takes the linking marker of "64" ("aránylana").
const FormsCase kStems[] = {
    {{"akad", nullptr}, presentConditional, {}, "akadnék akadnál akadna akadnánk akadnátok akadnának | - - - - - - -"},
    {{"vész", nullptr}, presentConditional, {}, "vesznék vesznél veszne vesznénk vesznétek vesznének | - - - - - - -"},
    {{"elvész", nullptr}, presentConditional, {}, "elvesznék elvesznél elveszne elvesznénk elvesznétek elvesznének | - - - - - - -"},
    {{"megvan", nullptr}, presentConditional, {}, "megvolnék megvolnál megvolna megvolnánk megvolnátok megvolnának | - - - - - - -"},
    {{"elmegy", nullptr}, presentConditional, {}, "elmennék elmennél elmenne elmennénk elmennétek elmennének | - - - - - - -"},
    {{"sosincs", nullptr}, presentConditional, {}, "- - - - - - | - - - - - - -"},
    {{"vérzik", nullptr}, presentConditional, {}, "véreznék véreznél vérezne véreznénk véreznétek véreznének | - - - - - - -"},
    {{"fuldoklik", nullptr}, presentConditional, {}, "fuldokolnék fuldokolnál fuldokolna fuldokolnánk fuldokolnátok fuldokolnának | - - - - - - -"},
    {{"tündöklik", nullptr}, presentConditional, {}, "tündökölnék tündökölnél tündökölne tündökölnénk tündökölnétek tündökölnének | - - - - - - -"},
    {{"aránylik", nullptr}, presentConditional, {}, "- - aránylana - - aránylanának | - - - - - - -"},
    {{"dohányzik", "11014a000"}, presentConditional, {}, "dohányoznék dohányoznál dohányozna dohányoznánk dohányoznátok dohányoznának | - - - - - - -"},
    {{"bukik", "110150000"}, presentConditional, {}, "buknék buknál bukna buknánk buknátok buknának | - - - - - - -"},
    {{"aránylik", "11N16d200"}, presentConditional, {}, "- - aránylana - - aránylanának | - - - - - - -"},
};

TEST(ConditionalForms, StemsAndMarkersTheRulesSingleOut) {
  for (const FormsCase& c : kStems) expectForms(c);
}

}  // namespace
}  // namespace ragozo::testing
