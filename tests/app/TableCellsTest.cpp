// Every cell of the table over many verbs and all four tenses and moods.
//
// One row per request: the verb as typed, the tense and mood button, the
// toggles pressed after it, and the thirteen cells as the window shows them,
// column 1 rows 1 to 6, "|", column 2 rows 1 to 7, "-" for an empty cell (every
// cell holding a form starts with two blanks, left out here). The verbs and
// their codes are the tests' lexicon; the forms are those the rules of
// the stems, the endings and the table cells give, checked form by form.
// A failure names the verb, the tense and mood, the person and the column,
// the form wanted and the form shown.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "WindowSession.h"

namespace ragozo::testing {
namespace {

struct CellsCase {
  const char* verb;
  Mood mood;
  Toggles toggles;  // all persons and the objective column, pressed where they show
  const char* cells;
};

void PrintTo(const CellsCase& c, std::ostream* os) {
  *os << c.verb << ", " << moodName(c.mood) << (c.toggles.allPersons ? ", all persons" : "")
      << (c.toggles.objective ? ", objective anyway" : "");
}

// ASCII test names: accents dropped, the mood and toggles appended.
std::string caseName(const ::testing::TestParamInfo<CellsCase>& info) {
  static const std::pair<const char*, const char*> kLetters[] = {{"á", "a"}, {"é", "e"}, {"í", "i"}, {"ó", "o"},
                                                                 {"ö", "oe"}, {"ő", "oe"}, {"ú", "u"}, {"ü", "ue"},
                                                                 {"ű", "ue"}};
  std::string name = info.param.verb;
  for (const auto& [accented, plain] : kLetters) {
    for (auto at = name.find(accented); at != std::string::npos; at = name.find(accented)) {
      name.replace(at, std::string(accented).size(), plain);
    }
  }
  for (char c : "_" + moodName(info.param.mood)) name += c == ' ' ? '_' : c;
  if (info.param.toggles.allPersons) name += "_allPersons";
  if (info.param.toggles.objective) name += "_objective";
  return name;
}

const CellsCase kCases[] = {
    {"ad", presentIndicative, {}, "adok adsz ad adunk adtok adnak | adom adod adja adjuk adjátok adják adlak"},
    {"tanul", presentIndicative, {}, "tanulok tanulsz tanul tanulunk tanultok tanulnak | tanulom tanulod tanulja tanuljuk tanuljátok tanulják tanullak"},
    {"vár", presentIndicative, {}, "várok vársz vár várunk vártok várnak | várom várod várja várjuk várjátok várják várlak"},
    {"kér", presentIndicative, {}, "kérek kérsz kér kérünk kértek kérnek | kérem kéred kéri kérjük kéritek kérik kérlek"},
    {"küld", presentIndicative, {}, "küldök küldesz küld küldünk küldtök küldenek | küldöm küldöd küldi küldjük külditek küldik küldelek"},
    {"főz", presentIndicative, {}, "főzök főzöl főz főzünk főztök főznek | főzöm főzöd főzi főzzük főzitek főzik főzlek"},
    {"olvas", presentIndicative, {}, "olvasok olvasol olvas olvasunk olvastok olvasnak | olvasom olvasod olvassa olvassuk olvassátok olvassák olvaslak"},
    {"néz", presentIndicative, {}, "nézek nézel néz nézünk néztek néznek | nézem nézed nézi nézzük nézitek nézik nézlek"},
    {"alszik", presentIndicative, {}, "alszom alszol alszik alszunk alszotok alszanak | alszom alszod alussza alusszuk alusszátok alusszák (aluszlak)"},
    {"fekszik", presentIndicative, {}, "fekszem fekszel fekszik fekszünk fekszetek fekszenek | - - - - - - -"},
    {"eszik", presentIndicative, {}, "eszem eszel eszik eszünk esztek esznek | eszem eszed eszi esszük eszitek eszik eszlek"},
    {"iszik", presentIndicative, {}, "iszom iszol iszik iszunk isztok isznak | iszom iszod issza isszuk isszátok isszák (iszlak)"},
    {"megy", presentIndicative, {}, "megyek mész megy megyünk mentek mennek | - - - - - - -"},
    {"jön", presentIndicative, {}, "jövök jössz jön jövünk jöttök jönnek | - - - - - - -"},
    {"van", presentIndicative, {}, "vagyok vagy van vagyunk vagytok vannak | - - - - - - -"},
    {"lő", presentIndicative, {}, "lövök lősz lő lövünk lőtök lőnek | lövöm lövöd lövi lőjük lövitek lövik lőlek"},
    {"hisz", presentIndicative, {}, "hiszek hiszel hisz hiszünk hisztek hisznek | hiszem hiszed hiszi hisszük hiszitek hiszik hiszlek"},
    {"tesz", presentIndicative, {}, "teszek teszel tesz teszünk tesztek tesznek | teszem teszed teszi tesszük teszitek teszik teszlek"},
    {"vesz", presentIndicative, {}, "veszek veszel vesz veszünk vesztek vesznek | veszem veszed veszi vesszük veszitek veszik veszlek"},
    {"visz", presentIndicative, {}, "viszek viszel visz viszünk visztek visznek | viszem viszed viszi visszük viszitek viszik viszlek"},
    {"lesz", presentIndicative, {}, "leszek leszel lesz leszünk lesztek lesznek | - - - - - - -"},
    {"ugrik", presentIndicative, {}, "ugrom ugrasz ugrik ugrunk ugrotok ugranak | - - - - - - -"},
    {"fürdik", presentIndicative, {}, "fürdök fürdesz fürdik fürdünk fürödtök fürdenek | - - - - - - -"},
    {"omlik", presentIndicative, {}, "omlok omlasz omlik omlunk omlotok omlanak | - - - - - - -"},
    {"emlékszik", presentIndicative, {}, "emlékszem emlékszel emlékszik emlékszünk emlékeztek emlékeznek | - - - - - - -"},
    {"melegszik", presentIndicative, {}, "melegszem melegszel melegszik melegszünk melegedtek melegednek | - - - - - - -"},
    {"haragszik", presentIndicative, {}, "haragszom haragszol haragszik haragszunk haragudtok haragudnak | - - - - - - -"},
    {"sodor", presentIndicative, {}, "sodrok sodorsz sodor sodrunk sodortok sodornak | sodrom sodrod sodorja sodorjuk sodorjátok sodorják (sodorlak)"},
    {"énekel", presentIndicative, {}, "éneklek énekelsz énekel éneklünk énekeltek énekelnek | éneklem énekled énekli énekeljük éneklitek éneklik énekellek"},
    {"érez", presentIndicative, {}, "érzek érzel érez érzünk éreztek éreznek | érzem érzed érzi érezzük érzitek érzik érezlek"},
    {"jegyez", presentIndicative, {}, "jegyzek jegyzel jegyez jegyzünk jegyeztek jegyeznek | jegyzem jegyzed jegyzi jegyezzük jegyzitek jegyzik jegyezlek"},
    {"edz", presentIndicative, {}, "edzek edzel edz edzünk edzetek edzenek | edzem edzed edzi eddzük edzitek edzik edzelek"},
    {"fest", presentIndicative, {}, "festek festesz fest festünk festetek festenek | festem fested festi festjük festitek festik festelek"},
    {"izzik", presentIndicative, {}, "izzok izzol izzik izzunk izzotok izzanak | - - - - - - -"},
    {"játszik", presentIndicative, {}, "játszom játszol játszik játszunk játszotok játszanak | játszom játszod játssza játsszuk játsszátok játsszák játszalak"},
    {"mászik", presentIndicative, {}, "mászom mászol mászik mászunk másztok másznak | - - - - - - -"},
    {"alapszik", presentIndicative, {}, "- - alapszik - - alapszanak | - - - - - - -"},
    {"csempész", presentIndicative, {}, "csempészek csempészel csempész csempészünk csempésztek csempésznek | csempészem csempészed csempészi csempésszük csempészitek csempészik csempészlek"},
    {"metsz", presentIndicative, {}, "metszek metszel metsz metszünk metszetek metszenek | metszem metszed metszi metsszük metszitek metszik (metszelek)"},
    {"ró", presentIndicative, {}, "rovok rósz ró rovunk rótok rónak | rovom rovod rója rójuk rójátok róják (rólak)"},
    {"nyű", presentIndicative, {}, "nyüvök nyűsz nyű nyüvünk nyűtök nyűnek | nyüvöm nyüvöd nyüvi nyűjük nyüvitek nyüvik (nyűlek)"},
    {"ül", presentIndicative, {}, "ülök ülsz ül ülünk ültök ülnek | ülöm ülöd üli üljük ülitek ülik (üllek)"},
    {"akaszt", presentIndicative, {}, "akasztok akasztasz akaszt akasztunk akasztotok akasztanak | akasztom akasztod akasztja akasztjuk akasztjátok akasztják akasztalak"},
    {"abajgat", presentIndicative, {}, "abajgatok abajgatsz abajgat abajgatunk abajgattok abajgatnak | abajgatom abajgatod abajgatja abajgatjuk abajgatjátok abajgatják abajgatlak"},
    {"őriz", presentIndicative, {}, "őrzök őrzöl őriz őrzünk őriztek őriznek | őrzöm őrzöd őrzi őrizzük őrzitek őrzik őrizlek"},
    {"ad", pastIndicative, {}, "adtam adtál adott adtunk adtatok adtak | adtam adtad adta adtuk adtátok adták adtalak"},
    {"vár", pastIndicative, {}, "vártam vártál várt vártunk vártatok vártak | vártam vártad várta vártuk vártátok várták vártalak"},
    {"kér", pastIndicative, {}, "kértem kértél kért kértünk kértetek kértek | kértem kérted kérte kértük kértétek kérték kértelek"},
    {"küld", pastIndicative, {}, "küldtem küldtél küldött küldtünk küldtetek küldtek | küldtem küldted küldte küldtük küldtétek küldték küldtelek"},
    {"főz", pastIndicative, {}, "főztem főztél főzött főztünk főztetek főztek | főztem főzted főzte főztük főztétek főzték főztelek"},
    {"olvas", pastIndicative, {}, "olvastam olvastál olvasott olvastunk olvastatok olvastak | olvastam olvastad olvasta olvastuk olvastátok olvasták olvastalak"},
    {"néz", pastIndicative, {}, "néztem néztél nézett néztünk néztetek néztek | néztem nézted nézte néztük néztétek nézték néztelek"},
    {"alszik", pastIndicative, {}, "aludtam aludtál aludt aludtunk aludtatok aludtak | aludtam aludtad aludta aludtuk aludtátok aludták (aludtalak)"},
    {"fekszik", pastIndicative, {}, "feküdtem feküdtél feküdt feküdtünk feküdtetek feküdtek | - - - - - - -"},
    {"eszik", pastIndicative, {}, "ettem ettél evett ettünk ettetek ettek | ettem etted ette ettük ettétek ették ettelek"},
    {"iszik", pastIndicative, {}, "ittam ittál ivott ittunk ittatok ittak | ittam ittad itta ittuk ittátok itták (ittalak)"},
    {"megy", pastIndicative, {}, "mentem mentél ment mentünk mentetek mentek | - - - - - - -"},
    {"jön", pastIndicative, {}, "jöttem jöttél jött jöttünk jöttetek jöttek | - - - - - - -"},
    {"van", pastIndicative, {}, "voltam voltál volt voltunk voltatok voltak | - - - - - - -"},
    {"lő", pastIndicative, {}, "lőttem lőttél lőtt lőttünk lőttetek lőttek | lőttem lőtted lőtte lőttük lőttétek lőtték lőttelek"},
    {"hisz", pastIndicative, {}, "hittem hittél hitt hittünk hittetek hittek | hittem hitted hitte hittük hittétek hitték hittelek"},
    {"tesz", pastIndicative, {}, "tettem tettél tett tettünk tettetek tettek | tettem tetted tette tettük tettétek tették tettelek"},
    {"vesz", pastIndicative, {}, "vettem vettél vett vettünk vettetek vettek | vettem vetted vette vettük vettétek vették vettelek"},
    {"visz", pastIndicative, {}, "vittem vittél vitt vittünk vittetek vittek | vittem vitted vitte vittük vittétek vitték vittelek"},
    {"lesz", pastIndicative, {}, "lettem lettél lett lettünk lettetek lettek | - - - - - - -"},
    {"ugrik", pastIndicative, {}, "ugrottam ugrottál ugrott ugrottunk ugrottatok ugrottak | - - - - - - -"},
    {"fürdik", pastIndicative, {}, "fürödtem fürödtél fürdött fürödtünk fürödtetek fürödtek | - - - - - - -"},
    {"omlik", pastIndicative, {}, "omlottam omlottál omlott omlottunk omlottatok omlottak | - - - - - - -"},
    {"emlékszik", pastIndicative, {}, "emlékeztem emlékeztél emlékezett emlékeztünk emlékeztetek emlékeztek | - - - - - - -"},
    {"melegszik", pastIndicative, {}, "melegedtem melegedtél melegedett melegedtünk melegedtetek melegedtek | - - - - - - -"},
    {"haragszik", pastIndicative, {}, "haragudtam haragudtál haragudott haragudtunk haragudtatok haragudtak | - - - - - - -"},
    {"sodor", pastIndicative, {}, "sodortam sodortál sodort sodortunk sodortatok sodortak | sodortam sodortad sodorta sodortuk sodortátok sodorták (sodortalak)"},
    {"énekel", pastIndicative, {}, "énekeltem énekeltél énekelt énekeltünk énekeltetek énekeltek | énekeltem énekelted énekelte énekeltük énekeltétek énekelték énekeltelek"},
    {"érez", pastIndicative, {}, "éreztem éreztél érzett éreztünk éreztetek éreztek | éreztem érezted érezte éreztük éreztétek érezték éreztelek"},
    {"jegyez", pastIndicative, {}, "jegyeztem jegyeztél jegyzett jegyeztünk jegyeztetek jegyeztek | jegyeztem jegyezted jegyezte jegyeztük jegyeztétek jegyezték jegyeztelek"},
    {"edz", pastIndicative, {}, "edzettem edzettél edzett edzettünk edzettetek edzettek | edzettem edzetted edzette edzettük edzettétek edzették edzettelek"},
    {"fest", pastIndicative, {}, "festettem festettél festett festettünk festettetek festettek | festettem festetted festette festettük festettétek festették festettelek"},
    {"izzik", pastIndicative, {}, "izzottam izzottál izzott izzottunk izzottatok izzottak | - - - - - - -"},
    {"játszik", pastIndicative, {}, "játszottam játszottál játszott játszottunk játszottatok játszottak | játszottam játszottad játszotta játszottuk játszottátok játszották játszottalak"},
    {"mászik", pastIndicative, {}, "másztam másztál mászott másztunk másztatok másztak | - - - - - - -"},
    {"alapszik", pastIndicative, {}, "- - alapult - - alapultak | - - - - - - -"},
    {"csempész", pastIndicative, {}, "csempésztem csempésztél csempészett csempésztünk csempésztetek csempésztek | csempésztem csempészted csempészte csempésztük csempésztétek csempészték csempésztelek"},
    {"metsz", pastIndicative, {}, "metszettem metszettél metszett metszettünk metszettetek metszettek | metszettem metszetted metszette metszettük metszettétek metszették (metszettelek)"},
    {"ró", pastIndicative, {}, "róttam róttál rótt róttunk róttatok róttak | róttam róttad rótta róttuk róttátok rótták (róttalak)"},
    {"nyű", pastIndicative, {}, "nyűttem nyűttél nyűtt nyűttünk nyűttetek nyűttek | nyűttem nyűtted nyűtte nyűttük nyűttétek nyűtték (nyűttelek)"},
    {"ül", pastIndicative, {}, "ültem ültél ült ültünk ültetek ültek | ültem ülted ülte ültük ültétek ülték (ültelek)"},
    {"akaszt", pastIndicative, {}, "akasztottam akasztottál akasztott akasztottunk akasztottatok akasztottak | akasztottam akasztottad akasztotta akasztottuk akasztottátok akasztották akasztottalak"},
    {"abajgat", pastIndicative, {}, "abajgattam abajgattál abajgatott abajgattunk abajgattatok abajgattak | abajgattam abajgattad abajgatta abajgattuk abajgattátok abajgatták abajgattalak"},
    {"őriz", pastIndicative, {}, "őriztem őriztél őrzött őriztünk őriztetek őriztek | őriztem őrizted őrizte őriztük őriztétek őrizték őriztelek"},
    {"ad", presentConditional, {}, "adnék adnál adna adnánk adnátok adnának | adnám adnád adná adnánk adnátok adnák adnálak"},
    {"vár", presentConditional, {}, "várnék várnál várna várnánk várnátok várnának | várnám várnád várná várnánk várnátok várnák várnálak"},
    {"kér", presentConditional, {}, "kérnék kérnél kérne kérnénk kérnétek kérnének | kérném kérnéd kérné kérnénk kérnétek kérnék kérnélek"},
    {"küld", presentConditional, {}, "küldenék küldenél küldene küldenénk küldenétek küldenének | küldeném küldenéd küldené küldenénk küldenétek küldenék küldenélek"},
    {"főz", presentConditional, {}, "főznék főznél főzne főznénk főznétek főznének | főzném főznéd főzné főznénk főznétek főznék főznélek"},
    {"olvas", presentConditional, {}, "olvasnék olvasnál olvasna olvasnánk olvasnátok olvasnának | olvasnám olvasnád olvasná olvasnánk olvasnátok olvasnák olvasnálak"},
    {"néz", presentConditional, {}, "néznék néznél nézne néznénk néznétek néznének | nézném néznéd nézné néznénk néznétek néznék néznélek"},
    {"alszik", presentConditional, {}, "aludnék aludnál aludna aludnánk aludnátok aludnának | aludnám aludnád aludná aludnánk aludnátok aludnák (aludnálak)"},
    {"fekszik", presentConditional, {}, "feküdnék feküdnél feküdne feküdnénk feküdnétek feküdnének | - - - - - - -"},
    {"eszik", presentConditional, {}, "ennék ennél enne ennénk ennétek ennének | enném ennéd enné ennénk ennétek ennék ennélek"},
    {"iszik", presentConditional, {}, "innék innál inna innánk innátok innának | innám innád inná innánk innátok innák (innálak)"},
    {"megy", presentConditional, {}, "mennék mennél menne mennénk mennétek mennének | - - - - - - -"},
    {"jön", presentConditional, {}, "jönnék jönnél jönne jönnénk jönnétek jönnének | - - - - - - -"},
    {"van", presentConditional, {}, "volnék volnál volna volnánk volnátok volnának | - - - - - - -"},
    {"lő", presentConditional, {}, "lőnék lőnél lőne lőnénk lőnétek lőnének | lőném lőnéd lőné lőnénk lőnétek lőnék lőnélek"},
    {"hisz", presentConditional, {}, "hinnék hinnél hinne hinnénk hinnétek hinnének | hinném hinnéd hinné hinnénk hinnétek hinnék hinnélek"},
    {"tesz", presentConditional, {}, "tennék tennél tenne tennénk tennétek tennének | tenném tennéd tenné tennénk tennétek tennék tennélek"},
    {"vesz", presentConditional, {}, "vennék vennél venne vennénk vennétek vennének | venném vennéd venné vennénk vennétek vennék vennélek"},
    {"visz", presentConditional, {}, "vinnék vinnél vinne vinnénk vinnétek vinnének | vinném vinnéd vinné vinnénk vinnétek vinnék vinnélek"},
    {"lesz", presentConditional, {}, "lennék lennél lenne lennénk lennétek lennének | - - - - - - -"},
    {"ugrik", presentConditional, {}, "ugranék ugranál ugrana ugranánk ugranátok ugranának | - - - - - - -"},
    {"fürdik", presentConditional, {}, "fürdenék fürdenél fürdene fürdenénk fürdenétek fürdenének | - - - - - - -"},
    {"omlik", presentConditional, {}, "omlanék omlanál omlana omlanánk omlanátok omlanának | - - - - - - -"},
    {"emlékszik", presentConditional, {}, "emlékeznék emlékeznél emlékezne emlékeznénk emlékeznétek emlékeznének | - - - - - - -"},
    {"melegszik", presentConditional, {}, "melegednék melegednél melegedne melegednénk melegednétek melegednének | - - - - - - -"},
    {"haragszik", presentConditional, {}, "haragudnék haragudnál haragudna haragudnánk haragudnátok haragudnának | - - - - - - -"},
    {"sodor", presentConditional, {}, "sodornék sodornál sodorna sodornánk sodornátok sodornának | sodornám sodornád sodorná sodornánk sodornátok sodornák (sodornálak)"},
    {"énekel", presentConditional, {}, "énekelnék énekelnél énekelne énekelnénk énekelnétek énekelnének | énekelném énekelnéd énekelné énekelnénk énekelnétek énekelnék énekelnélek"},
    {"érez", presentConditional, {}, "éreznék éreznél érezne éreznénk éreznétek éreznének | érezném éreznéd érezné éreznénk éreznétek éreznék éreznélek"},
    {"jegyez", presentConditional, {}, "jegyeznék jegyeznél jegyezne jegyeznénk jegyeznétek jegyeznének | jegyezném jegyeznéd jegyezné jegyeznénk jegyeznétek jegyeznék jegyeznélek"},
    {"edz", presentConditional, {}, "edzenék edzenél edzene edzenénk edzenétek edzenének | edzeném edzenéd edzené edzenénk edzenétek edzenék edzenélek"},
    {"fest", presentConditional, {}, "festenék festenél festene festenénk festenétek festenének | festeném festenéd festené festenénk festenétek festenék festenélek"},
    {"izzik", presentConditional, {}, "izzanék izzanál izzana izzanánk izzanátok izzanának | - - - - - - -"},
    {"játszik", presentConditional, {}, "játszanék játszanál játszana játszanánk játszanátok játszanának | játszanám játszanád játszaná játszanánk játszanátok játszanák játszanálak"},
    {"mászik", presentConditional, {}, "másznék másznál mászna másznánk másznátok másznának | - - - - - - -"},
    {"alapszik", presentConditional, {}, "- - alapulna - - alapulnának | - - - - - - -"},
    {"csempész", presentConditional, {}, "csempésznék csempésznél csempészne csempésznénk csempésznétek csempésznének | csempészném csempésznéd csempészné csempésznénk csempésznétek csempésznék csempésznélek"},
    {"metsz", presentConditional, {}, "metszenék metszenél metszene metszenénk metszenétek metszenének | metszeném metszenéd metszené metszenénk metszenétek metszenék (metszenélek)"},
    {"ró", presentConditional, {}, "rónék rónál róna rónánk rónátok rónának | rónám rónád róná rónánk rónátok rónák (rónálak)"},
    {"nyű", presentConditional, {}, "nyűnék nyűnél nyűne nyűnénk nyűnétek nyűnének | nyűném nyűnéd nyűné nyűnénk nyűnétek nyűnék (nyűnélek)"},
    {"ül", presentConditional, {}, "ülnék ülnél ülne ülnénk ülnétek ülnének | ülném ülnéd ülné ülnénk ülnétek ülnék (ülnélek)"},
    {"akaszt", presentConditional, {}, "akasztanék akasztanál akasztana akasztanánk akasztanátok akasztanának | akasztanám akasztanád akasztaná akasztanánk akasztanátok akasztanák akasztanálak"},
    {"abajgat", presentConditional, {}, "abajgatnék abajgatnál abajgatna abajgatnánk abajgatnátok abajgatnának | abajgatnám abajgatnád abajgatná abajgatnánk abajgatnátok abajgatnák abajgatnálak"},
    {"őriz", presentConditional, {}, "őriznék őriznél őrizne őriznénk őriznétek őriznének | őrizném őriznéd őrizné őriznénk őriznétek őriznék őriznélek"},
    {"ad", imperative, {}, "adjak adjál adjon adjunk adjatok adjanak | adjam adjad adja adjuk adjátok adják adjalak"},
    {"vár", imperative, {}, "várjak várjál várjon várjunk várjatok várjanak | várjam várjad várja várjuk várjátok várják várjalak"},
    {"kér", imperative, {}, "kérjek kérjél kérjen kérjünk kérjetek kérjenek | kérjem kérjed kérje kérjük kérjétek kérjék kérjelek"},
    {"küld", imperative, {}, "küldjek küldjél küldjön küldjünk küldjetek küldjenek | küldjem küldjed küldje küldjük küldjétek küldjék küldjelek"},
    {"főz", imperative, {}, "főzzek főzzél főzzön főzzünk főzzetek főzzenek | főzzem főzzed főzze főzzük főzzétek főzzék főzzelek"},
    {"olvas", imperative, {}, "olvassak olvassál olvasson olvassunk olvassatok olvassanak | olvassam olvassad olvassa olvassuk olvassátok olvassák olvassalak"},
    {"néz", imperative, {}, "nézzek nézzél nézzen nézzünk nézzetek nézzenek | nézzem nézzed nézze nézzük nézzétek nézzék nézzelek"},
    {"alszik", imperative, {}, "aludjak aludjál aludjon aludjunk aludjatok aludjanak | aludjam aludjad aludja aludjuk aludjátok aludják (aludjalak)"},
    {"fekszik", imperative, {}, "feküdjek feküdjél feküdjön feküdjünk feküdjetek feküdjenek | - - - - - - -"},
    {"eszik", imperative, {}, "egyek egyél egyen együnk egyetek egyenek | egyem egyed egye együk egyétek egyék egyelek"},
    {"iszik", imperative, {}, "igyak igyál igyon igyunk igyatok igyanak | igyam igyad igya igyuk igyátok igyák (igyalak)"},
    {"megy", imperative, {}, "menjek menjél menjen menjünk menjetek menjenek | - - - - - - -"},
    {"jön", imperative, {}, "jöjjek jöjjél jöjjön jöjjünk jöjjetek jöjjenek | - - - - - - -"},
    {"van", imperative, {}, "legyek legyél legyen legyünk legyetek legyenek | - - - - - - -"},
    {"lő", imperative, {}, "lőjek lőjél lőjön lőjünk lőjetek lőjenek | lőjem lőjed lője lőjük lőjétek lőjék lőjelek"},
    {"hisz", imperative, {}, "higgyek higgyél higgyen higgyünk higgyetek higgyenek | higgyem higgyed higgye higgyük higgyétek higgyék higgyelek"},
    {"tesz", imperative, {}, "tegyek tegyél tegyen tegyünk tegyetek tegyenek | tegyem tegyed tegye tegyük tegyétek tegyék tegyelek"},
    {"vesz", imperative, {}, "vegyek vegyél vegyen vegyünk vegyetek vegyenek | vegyem vegyed vegye vegyük vegyétek vegyék vegyelek"},
    {"visz", imperative, {}, "vigyek vigyél vigyen vigyünk vigyetek vigyenek | vigyem vigyed vigye vigyük vigyétek vigyék vigyelek"},
    {"lesz", imperative, {}, "legyek legyél legyen legyünk legyetek legyenek | - - - - - - -"},
    {"ugrik", imperative, {}, "ugorjak ugorjál ugorjon ugorjunk ugorjatok ugorjanak | - - - - - - -"},
    {"fürdik", imperative, {}, "fürödjek fürödjél fürödjön fürödjünk fürödjetek fürödjenek | - - - - - - -"},
    {"omlik", imperative, {}, "omoljak omoljál omoljon omoljunk omoljatok omoljanak | - - - - - - -"},
    {"emlékszik", imperative, {}, "emlékezzek emlékezzél emlékezzen emlékezzünk emlékezzetek emlékezzenek | - - - - - - -"},
    {"melegszik", imperative, {}, "melegedjek melegedjél melegedjen melegedjünk melegedjetek melegedjenek | - - - - - - -"},
    {"haragszik", imperative, {}, "haragudjak haragudjál haragudjon haragudjunk haragudjatok haragudjanak | - - - - - - -"},
    {"sodor", imperative, {}, "sodorjak sodorjál sodorjon sodorjunk sodorjatok sodorjanak | sodorjam sodorjad sodorja sodorjuk sodorjátok sodorják (sodorjalak)"},
    {"énekel", imperative, {}, "énekeljek énekeljél énekeljen énekeljünk énekeljetek énekeljenek | énekeljem énekeljed énekelje énekeljük énekeljétek énekeljék énekeljelek"},
    {"érez", imperative, {}, "érezzek érezzél érezzen érezzünk érezzetek érezzenek | érezzem érezzed érezze érezzük érezzétek érezzék érezzelek"},
    {"jegyez", imperative, {}, "jegyezzek jegyezzél jegyezzen jegyezzünk jegyezzetek jegyezzenek | jegyezzem jegyezzed jegyezze jegyezzük jegyezzétek jegyezzék jegyezzelek"},
    {"edz", imperative, {}, "eddzek eddzél eddzen eddzünk eddzetek eddzenek | eddzem eddzed eddze eddzük eddzétek eddzék eddzelek"},
    {"fest", imperative, {}, "fessek fessél fessen fessünk fessetek fessenek | fessem fessed fesse fessük fessétek fessék fesselek"},
    {"izzik", imperative, {}, "izzak izzál izzon izzunk izzatok izzanak | - - - - - - -"},
    {"játszik", imperative, {}, "játsszak játsszál játsszon játsszunk játsszatok játsszanak | játsszam játsszad játssza játsszuk játsszátok játsszák játsszalak"},
    {"mászik", imperative, {}, "másszak másszál másszon másszunk másszatok másszanak | - - - - - - -"},
    {"alapszik", imperative, {}, "- - alapuljon - - alapuljanak | - - - - - - -"},
    {"csempész", imperative, {}, "csempésszek csempésszél csempésszen csempésszünk csempésszetek csempésszenek | csempésszem csempésszed csempéssze csempésszük csempésszétek csempésszék csempésszelek"},
    {"metsz", imperative, {}, "metsszek metsszél metsszen metsszünk metsszetek metsszenek | metsszem metsszed metssze metsszük metsszétek metsszék (metsszelek)"},
    {"ró", imperative, {}, "rójak rójál rójon rójunk rójatok rójanak | rójam rójad rója rójuk rójátok róják (rójalak)"},
    {"nyű", imperative, {}, "nyűjek nyűjél nyűjön nyűjünk nyűjetek nyűjenek | nyűjem nyűjed nyűje nyűjük nyűjétek nyűjék (nyűjelek)"},
    {"ül", imperative, {}, "üljek üljél üljön üljünk üljetek üljenek | üljem üljed ülje üljük üljétek üljék (üljelek)"},
    {"akaszt", imperative, {}, "akasszak akasszál akasszon akasszunk akasszatok akasszanak | akasszam akasszad akassza akasszuk akasszátok akasszák akasszalak"},
    {"abajgat", imperative, {}, "abajgassak abajgassál abajgasson abajgassunk abajgassatok abajgassanak | abajgassam abajgassad abajgassa abajgassuk abajgassátok abajgassák abajgassalak"},
    {"őriz", imperative, {}, "őrizzek őrizzél őrizzen őrizzünk őrizzetek őrizzenek | őrizzem őrizzed őrizze őrizzük őrizzétek őrizzék őrizzelek"},
    {"fekszik", presentIndicative, {.objective = true}, "fekszem fekszel fekszik fekszünk fekszetek fekszenek | fekszem fekszed fekszi feküsszük fekszitek fekszik (feküszlek)"},
    {"alapszik", presentIndicative, {.allPersons = true, .objective = true}, "alapszok alapszol alapszik alapszunk alapszotok alapszanak | alapszom alapszod alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {"alapszik", pastIndicative, {.allPersons = true, .objective = true}, "alapultam alapultál alapult alapultunk alapultatok alapultak | alapultam alapultad alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {"alapszik", presentConditional, {.allPersons = true, .objective = true}, "alapulnék alapulnál alapulna alapulnánk alapulnátok alapulnának | alapulnám alapulnád alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {"alapszik", imperative, {.allPersons = true, .objective = true}, "alapuljak alapuljál alapuljon alapuljunk alapuljatok alapuljanak | alapuljam alapuljad alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {"érzik", presentIndicative, {.allPersons = true}, "érzem érzel érzik érzünk érzetek érzenek | - - - - - - -"},
    {"akaródzik", presentIndicative, {.allPersons = true}, "akaródzom akaródzol akaródzik akaródzunk akarództok akaródznak | - - - - - - -"},
};

class TableCells : public ::testing::TestWithParam<CellsCase> {};

TEST_P(TableCells, EveryCellAsTheWindowShowsIt) {
  const CellsCase& c = GetParam();
  WindowSession session;
  session.request(c.verb, c.mood);
  if (c.toggles.allPersons && session.w().allPersonsToggle().visible) session.w().toggleAllPersons();
  if (c.toggles.objective && session.w().objectiveToggle().visible) session.w().toggleObjective();
  const Shown shown = session.shown();
  expectCells(shown, c.cells);
  expectCell(shown, 7, 1, "");  // the -lak/-lek row has no subjective form
}

INSTANTIATE_TEST_SUITE_P(Verbs, TableCells, ::testing::ValuesIn(kCases), caseName);

TEST(TableCellsOfAlapszik, AStrippedPreverbStandsBeforeTheFixedFormsInEveryMood) {
  for (Mood mood : kMoods) {
    WindowSession session;
    session.request("megalapszik", mood);
    session.w().toggleAllPersons();  // every person and the objective column anyway
    session.w().toggleObjective();
    const char* expected[] = {"  megalapulja", "  megalapuljuk", "  megalapuljátok", "  megalapulják",
                              "  (megalapullak)"};
    const Shown shown = session.shown();
    for (int row = 3; row <= 7; ++row) expectCell(shown, row, 2, expected[row - 3]);
  }
}

TEST(TableCellsOfAlapszik, AStrippedPreverbKeepsTheStemAlapulOutsideThePresent) {
  struct Case {
    Mood mood;
    const char* firstSingular;
    const char* thirdSingular;
    const char* firstPlural;
  };
  const Case cases[] = {{pastIndicative, "  megalapultam", "  megalapult", "  megalapultunk"},
                        {presentConditional, "  megalapulnék", "  megalapulna", "  megalapulnánk"},
                        {imperative, "  megalapuljak", "  megalapuljon", "  megalapuljunk"}};
  for (const Case& c : cases) {
    WindowSession session;
    session.request("megalapszik", c.mood);
    session.w().toggleAllPersons();  // every person
    const Shown shown = session.shown();
    expectCell(shown, 1, 1, c.firstSingular);
    expectCell(shown, 3, 1, c.thirdSingular);
    expectCell(shown, 4, 1, c.firstPlural);
  }
}

}  // namespace
}  // namespace ragozo::testing
