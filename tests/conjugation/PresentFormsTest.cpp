// The indicative present of the verbs whose stems and endings the rules single out.
//
// Each row is one request and every form cell it shows (see support/Conjugation.h); the verbs
// without a code are the tests' lexicon's. The table of the window's tests
// (tests/app/TableCellsTest.cpp) holds the everyday verbs; these are the rest of the rules.
#include <gtest/gtest.h>

#include "support/Conjugation.h"

namespace ragozo::testing {
namespace {

// Linking vowels ("mondasz", "ajánlotok"), the -lak/-lek form after -ll ("(állak)"), an unstable
// vowel ("ácsorgok"), the linking-vowel classes ("bomlasz", "véreztek"), the v-stem ("sívok"),
// the -szik stems ("cselekedtek", "alkusztok"), "vész" and the irregular present of megy, jön,
// van with a preverb, and "sosincs", which has its third persons only.
const FormsCase kStems[] = {
    {{"mond", "110110111"}, presentIndicative, {}, "mondok mondasz mond mondunk mondtok mondanak | mondom mondod mondja mondjuk mondjátok mondják mondalak"},
    {{"ajánl", "110104011"}, presentIndicative, {}, "ajánlok ajánlasz ajánl ajánlunk ajánlotok ajánlanak | ajánlom ajánlod ajánlja ajánljuk ajánljátok ajánlják ajánllak"},
    {{"áll", "110102212"}, presentIndicative, {}, "állok állsz áll állunk álltok állnak | állom állod állja álljuk álljátok állják (állak)"},
    {{"ácsorog", nullptr}, presentIndicative, {}, "ácsorgok ácsorogsz ácsorog ácsorgunk ácsorogtok ácsorognak | - - - - - - -"},
    {{"bomlik", nullptr}, presentIndicative, {}, "bomlok bomlasz bomlik bomlunk bomlotok bomlanak | - - - - - - -"},
    {{"vérzik", nullptr}, presentIndicative, {}, "vérzem vérzel vérzik vérzünk véreztek véreznek | - - - - - - -"},
    {{"sí", nullptr}, presentIndicative, {}, "sívok sísz sí sívunk sítok sínak | - - - - - - -"},
    {{"cselekszik", nullptr}, presentIndicative, {}, "cselekszem cselekszel cselekszik cselekszünk cselekedtek cselekednek | cselekszem cselekszed cselekszi cselekedjük cselekszitek cselekszik (cselekedlek)"},
    {{"alkuszik", nullptr}, presentIndicative, {}, "alkuszom alkuszol alkuszik alkuszunk alkusztok alkusznak | - - - - - - -"},
    {{"vész", nullptr}, presentIndicative, {}, "veszek veszel vész veszünk vesztek vesznek | - - - - - - -"},
    {{"elvész", nullptr}, presentIndicative, {}, "elveszek elveszel elvész elveszünk elvesztek elvesznek | - - - - - - -"},
    {{"elmegy", nullptr}, presentIndicative, {}, "elmegyek elmész elmegy elmegyünk elmentek elmennek | - - - - - - -"},
    {{"eljön", "230299200"}, presentIndicative, {}, "eljövök eljössz eljön eljövünk eljöttök eljönnek | - - - - - - -"},
    {{"megvan", nullptr}, presentIndicative, {}, "megvagyok megvagy megvan megvagyunk megvagytok megvannak | - - - - - - -"},
    {{"sosincs", nullptr}, presentIndicative, {}, "- - sosincs - - sosincsenek | - - - - - - -"},
};

// The objective column of verbs not used in it, shown anyway: the endings assimilate to a final
// s, z or zz ("bujdossa", "izza") and follow the stem of the linking-vowel classes ("ugorja").
const FormsCase kObjectiveAnyway[] = {
    {{"bujdosik", "110185000"}, presentIndicative, {.objective = true}, "bujdosok bujdosol bujdosik bujdosunk bujdostok bujdosnak | bujdosom bujdosod bujdossa bujdossuk bujdossátok bujdossák (bujdoslak)"},
    {{"hullik", "110172200"}, presentIndicative, {.objective = true}, "hullok hullasz hullik hullunk hullotok hullanak | hullom hullod hullja hulljuk hulljátok hullják (hullak)"},
    {{"bolyong", "110109000"}, presentIndicative, {.objective = true}, "bolyongok bolyongsz bolyong bolyongunk bolyongtok bolyonganak | bolyongom bolyongod bolyongja bolyongjuk bolyongjátok bolyongják (bolyongalak)"},
    {{"izzik", nullptr}, presentIndicative, {.objective = true}, "izzok izzol izzik izzunk izzotok izzanak | izzom izzod izza izzuk izzátok izzák (izzalak)"},
    {{"fürdik", nullptr}, presentIndicative, {.objective = true}, "fürdök fürdesz fürdik fürdünk fürödtök fürdenek | fürdöm fürdöd fürdi fürödjük fürditek fürdik (fürdelek)"},
    {{"ugrik", nullptr}, presentIndicative, {.objective = true}, "ugrom ugrasz ugrik ugrunk ugrotok ugranak | ugrom ugrod ugorja ugorjuk ugorjátok ugorják (ugorlak)"},
    {{"melegszik", nullptr}, presentIndicative, {.objective = true}, "melegszem melegszel melegszik melegszünk melegedtek melegednek | melegszem melegszed melegszi melegedjük melegszitek melegszik (melegedlek)"},
    {{"hangzik", "11M144200"}, presentIndicative, {.allPersons = true, .objective = true}, "hangzom hangzol hangzik hangzunk hangzotok hangzanak | hangzom hangzod hangozza hangozzuk hangozzátok hangozzák (hangozlak)"},
};

TEST(PresentForms, StemsAndEndingsTheRulesSingleOut) {
  for (const FormsCase& c : kStems) expectForms(c);
}

TEST(PresentForms, TheObjectiveColumnShownAnyway) {
  for (const FormsCase& c : kObjectiveAnyway) expectForms(c);
}

// Blanks around the entry are no part of the verb.
TEST(PresentForms, BlanksAroundTheEntryDoNotReachTheForms) {
  for (const char* entry : {" ugrik", "ugrik  "}) {
    SCOPED_TRACE(entry);
    expectCells(conjugated(entry, presentIndicative),
                "ugrom ugrasz ugrik ugrunk ugrotok ugranak | - - - - - - -");
  }
}

}  // namespace
}  // namespace ragozo::testing
