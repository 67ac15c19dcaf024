// The imperative: the stems and markers the rules single out, and the short second person forms.
//
// Each row is one request and every form cell it shows (see support/Conjugation.h); the verbs
// without a code are the tests' lexicon's. The everyday verbs are in tests/app/TableCellsTest.cpp.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "lexicon/LexiconTestSupport.h"
#include "support/Conjugation.h"
#include "support/FixtureLexicon.h"

namespace ragozo::testing {
namespace {

// Assimilated stems ("mutassak", "vesszek", "agarásszak"), "veszít", the irregular stems with a
// preverb ("elmenjek", "eljöjjek", "meglegyek", "megegyek"), the -zik verbs that keep their z
// ("fogamzzon", "fajzzon", "rögzzön"), the inserted vowel ("viszonyuljon", "arányoljon") and the "s" of "bujdosik".
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
    {{"fajzik", "110159100"}, imperative, {}, "fajzzak fajzzál fajzzon fajzzunk fajzzatok fajzzanak | - - - - - - -"},
    {{"elfajzik", "210159100"}, imperative, {}, "elfajzzak elfajzzál elfajzzon elfajzzunk elfajzzatok elfajzzanak | - - - - - - -"},
    {{"fogzik", "110159100"}, imperative, {}, "fogzzak fogzzál fogzzon fogzzunk fogzzatok fogzzanak | - - - - - - -"},
    {{"rögzik", "13N159100"}, imperative, {.allPersons = true}, "rögzzek rögzzél rögzzön rögzzünk rögzzetek rögzzenek | - - - - - - -"},
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
    // A verb of each further class of the built-in lexicon, with its code there.
    {{"áll", "110102212"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "álljak állj álljon álljunk álljatok álljanak | álljam álld állja álljuk álljátok állják (álljalak)"},
    {{"hall", "110103111"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "halljak hallj halljon halljunk halljatok halljanak | halljam halld hallja halljuk halljátok hallják halljalak"},
    {{"ajánl", "110104011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "ajánljak ajánlj ajánljon ajánljunk ajánljatok ajánljanak | ajánljam ajánld ajánlja ajánljuk ajánljátok ajánlják ajánljalak"},
    {{"énekel", "120105011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "énekeljek énekelj énekeljen énekeljünk énekeljetek énekeljenek | énekeljem énekeld énekelje énekeljük énekeljétek énekeljék énekeljelek"},
    {{"sodor", "110106012"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "sodorjak sodorj sodorjon sodorjunk sodorjatok sodorjanak | sodorjam sodord sodorja sodorjuk sodorjátok sodorják (sodorjalak)"},
    {{"ad", "110107111"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "adjak adj adjon adjunk adjatok adjanak | adjam add adja adjuk adjátok adják adjalak"},
    {{"mozog", "110108100"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "mozogjak mozogj mozogjon mozogjunk mozogjatok mozogjanak | mozogjam mozogd mozogja mozogjuk mozogjátok mozogják (mozogjalak)"},
    {{"cseng", "120109100"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "csengjek csengj csengjen csengjünk csengjetek csengjenek | csengjem csengd csengje csengjük csengjétek csengjék (csengjelek)"},
    {{"küld", "130110111"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "küldjek küldj küldjön küldjünk küldjetek küldjenek | küldjem küldd küldje küldjük küldjétek küldjék küldjelek"},
    {{"támad", "110111211"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "támadjak támadj támadjon támadjunk támadjatok támadjanak | támadjam támadd támadja támadjuk támadjátok támadják támadjalak"},
    {{"hajt", "110113011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "hajtsak hajts hajtson hajtsunk hajtsatok hajtsanak | hajtsam hajtsd hajtsa hajtsuk hajtsátok hajtsák hajtsalak"},
    {{"fest", "120115011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "fessek fess fessen fessünk fessetek fessenek | fessem fesd fesse fessük fessétek fessék fesselek"},
    {{"abajgat", "110116011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "abajgassak abajgass abajgasson abajgassunk abajgassatok abajgassanak | abajgassam abajgasd abajgassa abajgassuk abajgassátok abajgassák abajgassalak"},
    {{"olvas", "110117011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "olvassak olvass olvasson olvassunk olvassatok olvassanak | olvassam olvasd olvassa olvassuk olvassátok olvassák olvassalak"},
    {{"néz", "120118111"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "nézzek nézz nézzen nézzünk nézzetek nézzenek | nézzem nézd nézze nézzük nézzétek nézzék nézzelek"},
    {{"érez", "120119011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "érezzek érezz érezzen érezzünk érezzetek érezzenek | érezzem érezd érezze érezzük érezzétek érezzék érezzelek"},
    {{"fut", "110123011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "fussak fuss fusson fussunk fussatok fussanak | fussam fusd fussa fussuk fussátok fussák fussalak"},
    {{"lapít", "110127011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "lapítsak lapíts lapítson lapítsunk lapítsatok lapítsanak | lapítsam lapítsd lapítsa lapítsuk lapítsátok lapítsák lapítsalak"},
    {{"vonz", "110128111"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "vonzzak vonzz vonzzon vonzzunk vonzzatok vonzzanak | vonzzam vonzd vonzza vonzzuk vonzzátok vonzzák vonzzalak"},
    {{"bocsát", "110129011"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "bocsássak bocsáss bocsásson bocsássunk bocsássatok bocsássanak | bocsássam bocsásd bocsássa bocsássuk bocsássátok bocsássák bocsássalak"},
    {{"vész", "12012a200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "vesszek vessz vesszen vesszünk vesszetek vesszenek | vesszem vessd vessze vesszük vesszétek vesszék (vesszelek)"},
    {{"igyekezik", "120130000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "igyekezzek igyekezz igyekezzen igyekezzünk igyekezzetek igyekezzenek | igyekezzem igyekezd igyekezze igyekezzük igyekezzétek igyekezzék (igyekezzelek)"},
    {{"aggódik", "110131200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "aggódjak aggódj aggódjon aggódjunk aggódjatok aggódjanak | aggódjam aggódd aggódja aggódjuk aggódjátok aggódják (aggódjalak)"},
    {{"verekedik", "120132000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "verekedjek verekedj verekedjen verekedjünk verekedjetek verekedjenek | verekedjem verekedd verekedje verekedjük verekedjétek verekedjék (verekedjelek)"},
    {{"haragszik", "110133000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "haragudjak haragudj haragudjon haragudjunk haragudjatok haragudjanak | haragudjam haragudd haragudja haragudjuk haragudjátok haragudják (haragudjalak)"},
    {{"nőszik", "130134200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "nősszek nőssz nősszön nősszünk nősszetek nősszenek | nősszem nőszd nőssze nősszük nősszétek nősszék (nősszelek)"},
    {{"tetszik", "120136200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "tetsszek tetssz tetsszen tetsszünk tetsszetek tetsszenek | tetsszem tetszd tetssze tetsszük tetsszétek tetsszék (tetsszelek)"},
    {{"utazik", "110138000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "utazzak utazz utazzon utazzunk utazzatok utazzanak | utazzam utazd utazza utazzuk utazzátok utazzák (utazzalak)"},
    {{"késik", "120139200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "késsek késs késsen késsünk késsetek késsenek | késsem késd késse késsük késsétek késsék (késselek)"},
    {{"melegszik", "12013a000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "melegedjek melegedj melegedjen melegedjünk melegedjetek melegedjenek | melegedjem melegedd melegedje melegedjük melegedjétek melegedjék (melegedjelek)"},
    {{"esküszik", "13013b000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "esküdjek esküdj esküdjön esküdjünk esküdjetek esküdjenek | esküdjem esküdd esküdje esküdjük esküdjétek esküdjék (esküdjelek)"},
    {{"alszik", "11013c010"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "aludjak aludj aludjon aludjunk aludjatok aludjanak | aludjam aludd aludja aludjuk aludjátok aludják (aludjalak)"},
    {{"ugrik", "110142100"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "ugorjak ugorj ugorjon ugorjunk ugorjatok ugorjanak | ugorjam ugord ugorja ugorjuk ugorjátok ugorják (ugorjalak)"},
    {{"hangzik", "11M144200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "hangozzak hangozz hangozzon hangozzunk hangozzatok hangozzanak | hangozzam hangozd hangozza hangozzuk hangozzátok hangozzák (hangozzalak)"},
    {{"dohányzik", "11014a000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "dohányozzak dohányozz dohányozzon dohányozzunk dohányozzatok dohányozzanak | dohányozzam dohányozd dohányozza dohányozzuk dohányozzátok dohányozzák (dohányozzalak)"},
    {{"bukik", "110150000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "bukjak bukj bukjon bukjunk bukjatok bukjanak | bukjam bukd bukja bukjuk bukjátok bukják (bukjalak)"},
    {{"adatik", "11N151200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "adassak adass adasson adassunk adassatok adassanak | adassam adasd adassa adassuk adassátok adassák (adassalak)"},
    {{"emlékszik", "120152000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "emlékezzek emlékezz emlékezzen emlékezzünk emlékezzetek emlékezzenek | emlékezzem emlékezd emlékezze emlékezzük emlékezzétek emlékezzék (emlékezzelek)"},
    {{"hazudik", "110154012"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "hazudjak hazudj hazudjon hazudjunk hazudjatok hazudjanak | hazudjam hazudd hazudja hazudjuk hazudjátok hazudják (hazudjalak)"},
    {{"horgászik", "110157010"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "horgásszak horgássz horgásszon horgásszunk horgásszatok horgásszanak | horgásszam horgászd horgássza horgásszuk horgásszátok horgásszák (horgásszalak)"},
    {{"fogamzik", "11N159000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "fogamzzak fogamzz fogamzzon fogamzzunk fogamzzatok fogamzzanak | fogamzzam fogamzd fogamzza fogamzzuk fogamzzátok fogamzzák (fogamzzalak)"},
    {{"napozik", "110161000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "napozzak napozz napozzon napozzunk napozzatok napozzanak | napozzam napozd napozza napozzuk napozzátok napozzák (napozzalak)"},
    {{"bukdosik", "110162000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "bukdossak bukdoss bukdosson bukdossunk bukdossatok bukdossanak | bukdossam bukdosd bukdossa bukdossuk bukdossátok bukdossák (bukdossalak)"},
    {{"omlik", "110164200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "omoljak omolj omoljon omoljunk omoljatok omoljanak | omoljam omold omolja omoljuk omoljátok omolják (omoljalak)"},
    {{"viharzik", "110167000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "viharozzak viharozz viharozzon viharozzunk viharozzatok viharozzanak | viharozzam viharozd viharozza viharozzuk viharozzátok viharozzák (viharozzalak)"},
    {{"fingik", "110168100"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "fingjak fingj fingjon fingjunk fingjatok fingjanak | fingjam fingd fingja fingjuk fingjátok fingják (fingjalak)"},
    {{"válik", "110169200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "váljak válj váljon váljunk váljatok váljanak | váljam váld válja váljuk váljátok válják (váljalak)"},
    {{"izzik", "11016a200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "izzak izz izzon izzunk izzatok izzanak | izzam izd izza izzuk izzátok izzák (izzalak)"},
    {{"bújik", "110170000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "bújjak bújj bújjon bújjunk bújjatok bújjanak | bújjam bújd bújja bújjuk bújjátok bújják (bújjalak)"},
    {{"hullik", "110172200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "hulljak hullj hulljon hulljunk hulljatok hulljanak | hulljam hulld hullja hulljuk hulljátok hullják (hulljalak)"},
    {{"érik", "120173200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "érjek érj érjen érjünk érjetek érjenek | érjem érd érje érjük érjétek érjék (érjelek)"},
    {{"születik", "120174200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "szülessek szüless szülessen szülessünk szülessetek szülessenek | szülessem szülesd szülesse szülessük szülessétek szülessék (szülesselek)"},
    {{"egybeilleszkedik", "220177000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "egybeilleszkedjek egybeilleszkedj egybeilleszkedjen egybeilleszkedjünk egybeilleszkedjetek egybeilleszkedjenek | egybeilleszkedjem egybeilleszkedd egybeilleszkedje egybeilleszkedjük egybeilleszkedjétek egybeilleszkedjék (egybeilleszkedjelek)"},
    {{"bagzik", "11N182100"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "bagzzak bagzz bagzzon bagzzunk bagzzatok bagzzanak | bagzzam bagzd bagzza bagzzuk bagzzátok bagzzák (bagzzalak)"},
    {{"sakkozik", "110184000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "sakkozzak sakkozz sakkozzon sakkozzunk sakkozzatok sakkozzanak | sakkozzam sakkozd sakkozza sakkozzuk sakkozzátok sakkozzák (sakkozzalak)"},
    {{"bujdosik", "110185000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "bujdossak bujdoss bujdosson bujdossunk bujdossatok bujdossanak | bujdossam bujdosd bujdossa bujdossuk bujdossátok bujdossák (bujdossalak)"},
    {{"fürdik", "130189100"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "fürödjek fürödj fürödjön fürödjünk fürödjetek fürödjenek | fürödjem fürödd fürödje fürödjük fürödjétek fürödjék (fürödjelek)"},
    {{"haldoklik", "11018d000"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "haldokoljak haldokolj haldokoljon haldokoljunk haldokoljatok haldokoljanak | haldokoljam haldokold haldokolja haldokoljuk haldokoljátok haldokolják (haldokoljalak)"},
    {{"érzik", "12M190200"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "érezzek érezz érezzen érezzünk érezzetek érezzenek | érezzem érezd érezze érezzük érezzétek érezzék (érezzelek)"},
    {{"mosdik", "110191100"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "mosdjak mosdj mosdjon mosdjunk mosdjatok mosdjanak | mosdjam mosdd mosdja mosdjuk mosdjátok mosdják (mosdjalak)"},
    {{"lakik", "110196010"}, imperative, {.allPersons = true, .objective = true, .shortForms = true}, "lakjak lakj lakjon lakjunk lakjatok lakjanak | lakjam lakd lakja lakjuk lakjátok lakják (lakjalak)"},
};

TEST(ImperativeForms, StemsAndMarkersTheRulesSingleOut) {
  for (const FormsCase& c : kStems) expectForms(c);
}

TEST(ImperativeForms, TheShortSecondPersonForms) {
  for (const FormsCase& c : kShortForms) expectForms(c);
}

// Every class has short forms of its own (its marker alone, and its objective ending), so every
// class the built-in lexicon holds has a row of them.
TEST(ImperativeForms, EveryClassOfTheBuiltInLexiconHasItsShortForms) {
  std::set<std::string> rows;
  for (const FormsCase& c : kShortForms) {
    rows.insert(c.verb.code ? std::string(c.verb.code).substr(4, 2) : lexicontest::classOf(fixtureLexicon(), c.verb.verb));
  }
  EXPECT_EQ(lexicontest::classesMissingFrom(rows), "") << "classes without a row";
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
