// The indicative past of the verbs whose stems and endings the rules single out.
//
// Each row is one request and every form cell it shows (see support/Conjugation.h); the verbs
// without a code are the tests' lexicon's. The everyday verbs are in tests/app/TableCellsTest.cpp.
#include <gtest/gtest.h>

#include "support/Conjugation.h"

namespace ragozo::testing {
namespace {

// The linking vowel in every person ("ajánlottam"), the third person on the consonant stem
// ("ácsorgott", "vérzett", "fuldoklott") or with the stem's own vowel ("akadt"), the short
// stems and the irregular verbs with a preverb ("elvitt", "megvolt", "elment", "elveszett",
// "megevett", "megivott"),
// "sosincs" without a past, and "aránylik" under the class "6d" of its first code, which takes
// the markers of its neighbour "64" rather than whatever ran before.
const FormsCase kStems[] = {
    {{"ajánl", "110104011"}, pastIndicative, {}, "ajánlottam ajánlottál ajánlott ajánlottunk ajánlottatok ajánlottak | ajánlottam ajánlottad ajánlotta ajánlottuk ajánlottátok ajánlották ajánlottalak"},
    {{"ácsorog", nullptr}, pastIndicative, {}, "ácsorogtam ácsorogtál ácsorgott ácsorogtunk ácsorogtatok ácsorogtak | - - - - - - -"},
    {{"vérzik", nullptr}, pastIndicative, {}, "véreztem véreztél vérzett véreztünk véreztetek véreztek | - - - - - - -"},
    {{"fuldoklik", nullptr}, pastIndicative, {}, "fuldokoltam fuldokoltál fuldoklott fuldokoltunk fuldokoltatok fuldokoltak | - - - - - - -"},
    {{"akad", nullptr}, pastIndicative, {}, "akadtam akadtál akadt akadtunk akadtatok akadtak | - - - - - - -"},
    {{"elvisz", nullptr}, pastIndicative, {}, "elvittem elvittél elvitt elvittünk elvittetek elvittek | elvittem elvitted elvitte elvittük elvittétek elvitték elvittelek"},
    {{"megvan", nullptr}, pastIndicative, {}, "megvoltam megvoltál megvolt megvoltunk megvoltatok megvoltak | - - - - - - -"},
    {{"elmegy", nullptr}, pastIndicative, {}, "elmentem elmentél elment elmentünk elmentetek elmentek | - - - - - - -"},
    {{"elvész", nullptr}, pastIndicative, {}, "elvesztem elvesztél elveszett elvesztünk elvesztetek elvesztek | - - - - - - -"},
    {{"megeszik", nullptr}, pastIndicative, {}, "megettem megettél megevett megettünk megettetek megettek | megettem megetted megette megettük megettétek megették (megettelek)"},
    {{"megiszik", "220137012"}, pastIndicative, {}, "megittem megittél megivott megittünk megittetek megittek | megittem megitted megitte megittük megittétek megitték (megittelek)"},
    {{"sosincs", nullptr}, pastIndicative, {}, "- - - - - - | - - - - - - -"},
    {{"aránylik", "11N16d200"}, pastIndicative, {}, "- - aránylott - - aránylottak | - - - - - - -"},
};

TEST(PastForms, StemsAndEndingsTheRulesSingleOut) {
  for (const FormsCase& c : kStems) expectForms(c);
}

}  // namespace
}  // namespace ragozo::testing
