// The imperative: the stems and markers the rules single out, and the short second person forms.
//
// Each row is one request and every form cell it shows (see support/Conjugation.h); the verbs
// without a code are the tests' lexicon's. The everyday verbs are in tests/app/TableCellsTest.cpp.
#include <gtest/gtest.h>

#include "support/Conjugation.h"

namespace ragozo::testing {
namespace {

// Assimilated stems ("mutassak", "vesszek", "agarásszak"), "veszít", the irregular stems with a
// preverb ("elmenjek", "eljöjjek", "meglegyek", "megegyek"), the -zik verbs that keep their z
// ("fogamzzon"), the inserted vowel ("viszonyuljon", "arányoljon") and the "s" of "bujdosik".
const FormsCase kStems[] = {
    {{"tűr", "130101111"}, imperative, {}, "tűrjek tűrjél tűrjön tűrjünk tűrjetek tűrjenek | tűrjem tűrjed tűrje tűrjük tűrjétek tűrjék tűrjelek"},
    {{"mutat", "110116011"}, imperative, {}, "mutassak mutassál mutasson mutassunk mutassatok mutassanak | mutassam mutassad mutassa mutassuk mutassátok mutassák mutassalak"},
    {{"vész", nullptr}, imperative, {}, "vesszek vesszél vesszen vesszünk vesszetek vesszenek | - - - - - - -"},
    {{"veszt", nullptr}, imperative, {}, "veszítsek veszítsél veszítsen veszítsünk veszítsetek veszítsenek | veszítsem veszítsed veszítse veszítsük veszítsétek veszítsék veszítselek"},
    {{"elmegy", nullptr}, imperative, {}, "elmenjek elmenjél elmenjen elmenjünk elmenjetek elmenjenek | - - - - - - -"},
    {{"eljön", "230199200"}, imperative, {}, "eljöjjek eljöjjél eljöjjön eljöjjünk eljöjjetek eljöjjenek | - - - - - - -"},
    {{"megvan", nullptr}, imperative, {}, "meglegyek meglegyél meglegyen meglegyünk meglegyetek meglegyenek | - - - - - - -"},
    {{"elvész", nullptr}, imperative, {}, "elvesszek elvesszél elvesszen elvesszünk elvesszetek elvesszenek | - - - - - - -"},
    {{"megőriz", "230119011"}, imperative, {}, "megőrizzek megőrizzél megőrizzen megőrizzünk megőrizzetek megőrizzenek | megőrizzem megőrizzed megőrizze megőrizzük megőrizzétek megőrizzék megőrizzelek"},
    {{"megeszik", nullptr}, imperative, {}, "megegyek megegyél megegyen megegyünk megegyetek megegyenek | megegyem megegyed megegye megegyük megegyétek megegyék (megegyelek)"},
    {{"fogamzik", "110159000"}, imperative, {}, "fogamzzak fogamzzál fogamzzon fogamzzunk fogamzzatok fogamzzanak | - - - - - - -"},
    {{"összecsapzik", "210159000"}, imperative, {}, "összecsapzzak összecsapzzál összecsapzzon összecsapzzunk összecsapzzatok összecsapzzanak | - - - - - - -"},
    {{"agarászik", "110157000"}, imperative, {}, "agarásszak agarásszál agarásszon agarásszunk agarásszatok agarásszanak | - - - - - - -"},
    {{"viszonylik", nullptr}, imperative, {}, "- - viszonyuljon - - viszonyuljanak | - - - - - - -"},
    {{"aránylik", nullptr}, imperative, {}, "- - arányoljon - - arányoljanak | - - - - - - -"},
    {{"bujdosik", "110185000"}, imperative, {}, "bujdossak bujdossál bujdosson bujdossunk bujdossatok bujdossanak | - - - - - - -"},
};

// "2: Rövid alakok" pressed, every person and the objective column shown: the second person
// singular loses its "-ál/-él" and "-ad/-ed" ("várj", "várd"); the short-stem verbs take a long
// vowel before "gy" ("tégy", "légy", "vígy", "égy", "így"; "higgy" keeps its own), and the
// objective form doubles or assimilates its d ("tedd", "lődd", "tanítsd", "akaszd", "mászd").
const FormsCase kShortForms[] = {
    {{"vár", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "várjak várj várjon várjunk várjatok várjanak | várjam várd várja várjuk várjátok várják várjalak"},
    {{"tesz", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "tegyek tégy tegyen tegyünk tegyetek tegyenek | tegyem tedd tegye tegyük tegyétek tegyék tegyelek"},
    {{"lő", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "lőjek lőj lőjön lőjünk lőjetek lőjenek | lőjem lődd lője lőjük lőjétek lőjék lőjelek"},
    {{"tanít", "110112011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "tanítsak taníts tanítson tanítsunk tanítsatok tanítsanak | tanítsam tanítsd tanítsa tanítsuk tanítsátok tanítsák tanítsalak"},
    {{"veszt", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "veszítsek veszíts veszítsen veszítsünk veszítsetek veszítsenek | veszítsem veszítsd veszítse veszítsük veszítsétek veszítsék veszítselek"},
    {{"alapszik", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "alapuljak alapulj alapuljon alapuljunk alapuljatok alapuljanak | alapuljam alapuld alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {{"csempész", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "csempésszek csempéssz csempésszen csempésszünk csempésszetek csempésszenek | csempésszem csempészd csempéssze csempésszük csempésszétek csempésszék csempésszelek"},
    {{"metsz", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "metsszek metssz metsszen metsszünk metsszetek metsszenek | metsszem metszd metssze metsszük metsszétek metsszék (metsszelek)"},
    {{"mászik", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "másszak mássz másszon másszunk másszatok másszanak | másszam mászd mássza másszuk másszátok másszák (másszalak)"},
    {{"akaszt", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "akasszak akassz akasszon akasszunk akasszatok akasszanak | akasszam akaszd akassza akasszuk akasszátok akasszák akasszalak"},
    {{"vesz", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "vegyek végy vegyen vegyünk vegyetek vegyenek | vegyem vedd vegye vegyük vegyétek vegyék vegyelek"},
    {{"lesz", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "legyek légy legyen legyünk legyetek legyenek | legyem ledd legye legyük legyétek legyék (legyelek)"},
    {{"visz", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "vigyek vígy vigyen vigyünk vigyetek vigyenek | vigyem vidd vigye vigyük vigyétek vigyék vigyelek"},
    {{"elvisz", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "elvigyek elvígy elvigyen elvigyünk elvigyetek elvigyenek | elvigyem elvidd elvigye elvigyük elvigyétek elvigyék elvigyelek"},
    {{"van", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "legyek légy legyen legyünk legyetek legyenek | legyem led legye legyük legyétek legyék (legyelek)"},
    {{"megvan", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "meglegyek meglégy meglegyen meglegyünk meglegyetek meglegyenek | meglegyem megled meglegye meglegyük meglegyétek meglegyék (meglegyelek)"},
    {{"eszik", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "egyek egyél egyen együnk egyetek egyenek | egyem edd egye együk egyétek egyék egyelek"},
    {{"megeszik", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "megegyek megegyél megegyen megegyünk megegyetek megegyenek | megegyem megedd megegye megegyük megegyétek megegyék (megegyelek)"},
    {{"iszik", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "igyak igyál igyon igyunk igyatok igyanak | igyam idd igya igyuk igyátok igyák (igyalak)"},
    {{"hisz", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "higgyek higgy higgyen higgyünk higgyetek higgyenek | higgyem hidd higgye higgyük higgyétek higgyék higgyelek"},
    {{"sosincs", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "- - - - - - | - - - - - - -"},
    {{"játszik", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "játsszak játssz játsszon játsszunk játsszatok játsszanak | játsszam játszd játssza játsszuk játsszátok játsszák játsszalak"},
    {{"edz", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "eddzek eddz eddzen eddzünk eddzetek eddzenek | eddzem edzd eddze eddzük eddzétek eddzék eddzelek"},
    {{"bimbódzik", nullptr}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "bimbóddzak bimbóddz bimbóddzon bimbóddzunk bimbóddzatok bimbóddzanak | bimbóddzam bimbódzd bimbóddza bimbóddzuk bimbóddzátok bimbóddzák (bimbóddzalak)"},
};

TEST(ImperativeForms, StemsAndMarkersTheRulesSingleOut) {
  for (const FormsCase& c : kStems) expectForms(c);
}

TEST(ImperativeForms, TheShortSecondPersonForms) {
  for (const FormsCase& c : kShortForms) expectForms(c);
}

// The long forms show while the toggle has not asked for the short ones.
TEST(ImperativeForms, TheLongSecondPersonFormsUnlessTheShortAreAsked) {
  const Shown shown = conjugated("vár", imperative);
  expectCell(shown, 2, 1, "  várjál");
  expectCell(shown, 2, 2, "  várjad");
}

// A lexicon of one's own can hold a verb shorter than a stem rule cuts: the cut keeps what there
// is rather than running past the word's start.
TEST(ImperativeForms, ACutLongerThanTheVerbKeepsTheVerb) {
  const FormsCase cases[] = {
      {{"t", "110114011"}, imperative, {}, "tszak tszál tszon tszunk tszatok tszanak | tszam tszad tsza tszuk tszátok tszák tszalak"},
      {{"ik", "110151011"}, imperative, {}, "ikssak ikssál iksson ikssunk ikssatok ikssanak | ikssam ikssad ikssa ikssuk ikssátok ikssák ikssalak"},
      {{"ik", "11012a011"}, imperative, {}, "ikesszak ikesszál ikesszon ikesszunk ikesszatok ikesszanak | ikesszam ikesszad ikessza ikesszuk ikesszátok ikesszák ikesszalak"},
  };
  for (const FormsCase& c : cases) expectForms(c);
}

}  // namespace
}  // namespace ragozo::testing
