// Every cell of the table over many verbs and all four tenses and moods.
//
// One row per request: the verb as typed, the tense and mood button, the
// toggles pressed after it, and the thirteen cells as the window shows them,
// column 1 rows 1 to 6, "|", column 2 rows 1 to 7, "-" for an empty cell (every
// cell holding a form starts with two blanks, left out here). The verbs and
// their codes are the tests' lexicon, and then the built-in one's for a verb of
// every class it holds that the first verbs do not stand for in every tense and
// mood; the forms are those the rules of the stems, the endings and the table
// cells give, checked form by form. A failure names the verb, the tense and
// mood, the person and the column, the form wanted and the form shown.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <utility>

#include "WindowSession.h"
#include "lexicon/LexiconTestSupport.h"
#include "support/FixtureLexicon.h"

namespace ragozo::testing {
namespace {

struct CellsCase {
  const char* verb;
  Mood mood;
  Toggles toggles;  // all persons, the objective column and the imperative, pressed where they show
  const char* cells;
};

void PrintTo(const CellsCase& c, std::ostream* os) {
  *os << c.verb << ", " << moodName(c.mood) << (c.toggles.allPersons ? ", all persons" : "")
      << (c.toggles.objective ? ", objective anyway" : "") << (c.toggles.imperative ? ", imperative anyway" : "");
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
  if (info.param.toggles.imperative) name += "_imperative";
  return name;
}

// Every toggle that shows what a restriction leaves out, pressed where it shows.
constexpr Toggles kEveryToggle{.allPersons = true, .objective = true, .imperative = true};

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

// Over the built-in lexicon, a verb of each class that the verbs above do not stand for in every tense
// and mood, with every toggle pressed where it shows: the objective column of a verb not used in it
// is then the one "Tárgyas ragozás is" shows, built by the same rules. "szégyell" writes its -lak/-lek
// form with two l's, not three.
const CellsCase kClassesOfTheBuiltInLexicon[] = {
    {"szégyell", presentIndicative, kEveryToggle, "szégyellek szégyellsz szégyell szégyellünk szégyelltek szégyellnek | szégyellem szégyelled szégyelli szégyelljük szégyellitek szégyellik (szégyellek)"},
    {"áll", presentIndicative, kEveryToggle, "állok állsz áll állunk álltok állnak | állom állod állja álljuk álljátok állják (állak)"},
    {"hall", presentIndicative, kEveryToggle, "hallok hallasz hall hallunk hallotok hallanak | hallom hallod hallja halljuk halljátok hallják hallak"},
    {"ajánl", presentIndicative, kEveryToggle, "ajánlok ajánlasz ajánl ajánlunk ajánlotok ajánlanak | ajánlom ajánlod ajánlja ajánljuk ajánljátok ajánlják ajánllak"},
    {"mozog", presentIndicative, kEveryToggle, "mozgok mozogsz mozog mozgunk mozogtok mozognak | mozgom mozgod mozogja mozogjuk mozogjátok mozogják (mozoglak)"},
    {"cseng", presentIndicative, kEveryToggle, "csengek csengsz cseng csengünk csengtek csengenek | csengem csenged csengi csengjük csengitek csengik (csengelek)"},
    {"támad", presentIndicative, kEveryToggle, "támadok támadsz támad támadunk támadtok támadnak | támadom támadod támadja támadjuk támadjátok támadják támadlak"},
    {"említ", presentIndicative, kEveryToggle, "említek említesz említ említünk említetek említenek | említem említed említi említjük említitek említik említelek"},
    {"hajt", presentIndicative, kEveryToggle, "hajtok hajtasz hajt hajtunk hajtotok hajtanak | hajtom hajtod hajtja hajtjuk hajtjátok hajtják hajtalak"},
    {"fut", presentIndicative, kEveryToggle, "futok futsz fut futunk futtok futnak | futom futod futja futjuk futjátok futják futlak"},
    {"veszt", presentIndicative, kEveryToggle, "vesztek vesztesz veszt vesztünk vesztetek vesztenek | vesztem veszted veszti vesztjük vesztitek vesztik vesztelek"},
    {"lapít", presentIndicative, kEveryToggle, "lapítok lapítasz lapít lapítunk lapítotok lapítanak | lapítom lapítod lapítja lapítjuk lapítjátok lapítják lapítalak"},
    {"vonz", presentIndicative, kEveryToggle, "vonzok vonzol vonz vonzunk vonzotok vonzanak | vonzom vonzod vonzza vonzzuk vonzzátok vonzzák vonzalak"},
    {"bocsát", presentIndicative, kEveryToggle, "bocsátok bocsátasz bocsát bocsátunk bocsátotok bocsátanak | bocsátom bocsátod bocsátja bocsátjuk bocsátjátok bocsátják bocsátalak"},
    {"vész", presentIndicative, kEveryToggle, "veszek veszel vész veszünk vesztek vesznek | veszem veszed veszi vesszük veszitek veszik (veszlek)"},
    {"igyekezik", presentIndicative, kEveryToggle, "igyekezem igyekezel igyekezik igyekezünk igyekeztek igyekeznek | igyekezem igyekezed igyekezi igyekezzük igyekezitek igyekezik (igyekezlek)"},
    {"aggódik", presentIndicative, kEveryToggle, "aggódom aggódsz aggódik aggódunk aggódtok aggódnak | aggódom aggódod aggódja aggódjuk aggódjátok aggódják (aggódlak)"},
    {"verekedik", presentIndicative, kEveryToggle, "verekedem verekedsz verekedik verekedünk verekedtek verekednek | verekedem verekeded verekedi verekedjük verekeditek verekedik (verekedlek)"},
    {"nőszik", presentIndicative, kEveryToggle, "nőszöm nőszöl nőszik nőszünk nősztök nősznek | nőszöm nőszöd nőszi nősszük nőszitek nőszik (nőszlek)"},
    {"tetszik", presentIndicative, kEveryToggle, "tetszem tetszel tetszik tetszünk tetszetek tetszenek | tetszem tetszed tetszi tetsszük tetszitek tetszik (tetszelek)"},
    {"utazik", presentIndicative, kEveryToggle, "utazom utazol utazik utazunk utaztok utaznak | utazom utazod utazza utazzuk utazzátok utazzák (utazlak)"},
    {"késik", presentIndicative, kEveryToggle, "késem késel késik késünk késtek késnek | késem késed kési késsük késitek késik (késlek)"},
    {"esküszik", presentIndicative, kEveryToggle, "esküszöm esküszöl esküszik esküszünk esküsztök esküsznek | esküszöm esküszöd esküszi esküsszük esküszitek esküszik (esküdlek)"},
    {"sugárzik", presentIndicative, kEveryToggle, "sugárzom sugárzol sugárzik sugárzunk sugárzotok sugárzanak | sugárzom sugárzod sugározza sugározzuk sugározzátok sugározzák (sugározlak)"},
    {"dohányzik", presentIndicative, kEveryToggle, "dohányzom dohányzol dohányzik dohányzunk dohányoztok dohányoznak | dohányzom dohányzod dohányozza dohányozzuk dohányozzátok dohányozzák (dohányozlak)"},
    {"bukik", presentIndicative, kEveryToggle, "bukom buksz bukik bukunk buktok buknak | bukom bukod bukja bukjuk bukjátok bukják (buklak)"},
    {"adatik", presentIndicative, kEveryToggle, "adatom adatsz adatik adatunk adattok adatnak | adatom adatod adatja adatjuk adatjátok adatják (adatlak)"},
    {"hazudik", presentIndicative, kEveryToggle, "hazudok hazudsz hazudik hazudunk hazudtok hazudnak | hazudom hazudod hazudja hazudjuk hazudjátok hazudják (hazudlak)"},
    {"horgászik", presentIndicative, kEveryToggle, "horgászok horgászol horgászik horgászunk horgásztok horgásznak | horgászom horgászod horgássza horgásszuk horgásszátok horgásszák (horgászlak)"},
    {"fogamzik", presentIndicative, kEveryToggle, "fogamzok fogamzol fogamzik fogamzunk fogamzotok fogamzanak | fogamzom fogamzod fogamzza fogamzzuk fogamzzátok fogamzzák (fogamzalak)"},
    {"napozik", presentIndicative, kEveryToggle, "napozok napozol napozik napozunk napoztok napoznak | napozom napozod napozza napozzuk napozzátok napozzák (napozlak)"},
    {"bukdosik", presentIndicative, kEveryToggle, "bukdosok bukdosol bukdosik bukdosunk bukdostok bukdosnak | bukdosom bukdosod bukdossa bukdossuk bukdossátok bukdossák (bukdoslak)"},
    {"viharzik", presentIndicative, kEveryToggle, "viharzok viharzol viharzik viharzunk viharzotok viharzanak | viharzom viharzod viharozza viharozzuk viharozzátok viharozzák (viharozlak)"},
    {"fingik", presentIndicative, kEveryToggle, "fingok fingasz fingik fingunk fingotok finganak | fingom fingod fingja fingjuk fingjátok fingják (fingalak)"},
    {"válik", presentIndicative, kEveryToggle, "válok válsz válik válunk váltok válnak | válom válod válja váljuk váljátok válják (vállak)"},
    {"bújik", presentIndicative, kEveryToggle, "bújok bújsz bújik bújunk bújtok bújnak | bújom bújod bújja bújjuk bújjátok bújják (bújlak)"},
    {"hullik", presentIndicative, kEveryToggle, "hullok hullasz hullik hullunk hullotok hullanak | hullom hullod hullja hulljuk hulljátok hullják (hullak)"},
    {"érik", presentIndicative, kEveryToggle, "érek érsz érik érünk értek érnek | érem éred éri érjük éritek érik (érlek)"},
    {"születik", presentIndicative, kEveryToggle, "születek születsz születik születünk születtek születnek | születem születed születi születjük születitek születik (születlek)"},
    {"egybeilleszkedik", presentIndicative, kEveryToggle, "egybeilleszkedem egybeilleszkedsz egybeilleszkedik egybeilleszkedünk egybeilleszkedtek egybeilleszkednek | egybeilleszkedem egybeilleszkeded egybeilleszkedi egybeilleszkedjük egybeilleszkeditek egybeilleszkedik (egybeilleszkedlek)"},
    {"bagzik", presentIndicative, kEveryToggle, "bagzom bagzol bagzik bagzunk bagzotok bagzanak | bagzom bagzod bagzza bagzzuk bagzzátok bagzzák (bagzalak)"},
    {"sakkozik", presentIndicative, kEveryToggle, "sakkozom sakkozol sakkozik sakkozunk sakkoztok sakkoznak | sakkozom sakkozod sakkozza sakkozzuk sakkozzátok sakkozzák (sakkozlak)"},
    {"bujdosik", presentIndicative, kEveryToggle, "bujdosok bujdosol bujdosik bujdosunk bujdostok bujdosnak | bujdosom bujdosod bujdossa bujdossuk bujdossátok bujdossák (bujdoslak)"},
    {"haldoklik", presentIndicative, kEveryToggle, "haldoklok haldokolsz haldoklik haldoklunk haldokoltok haldokolnak | haldoklom haldoklod haldokolja haldokoljuk haldokoljátok haldokolják (haldokollak)"},
    {"mosdik", presentIndicative, kEveryToggle, "mosdom mosdasz mosdik mosdunk mosdotok mosdanak | mosdom mosdod mosdja mosdjuk mosdjátok mosdják (mosdalak)"},
    {"lakik", presentIndicative, kEveryToggle, "lakom laksz lakik lakunk laktok laknak | lakom lakod lakja lakjuk lakjátok lakják (laklak)"},
    {"áll", pastIndicative, kEveryToggle, "álltam álltál állt álltunk álltatok álltak | álltam álltad állta álltuk álltátok állták (álltalak)"},
    {"hall", pastIndicative, kEveryToggle, "hallottam hallottál hallott hallottunk hallottatok hallottak | hallottam hallottad hallotta hallottuk hallottátok hallották hallottalak"},
    {"ajánl", pastIndicative, kEveryToggle, "ajánlottam ajánlottál ajánlott ajánlottunk ajánlottatok ajánlottak | ajánlottam ajánlottad ajánlotta ajánlottuk ajánlottátok ajánlották ajánlottalak"},
    {"mozog", pastIndicative, kEveryToggle, "mozogtam mozogtál mozgott mozogtunk mozogtatok mozogtak | mozogtam mozogtad mozogta mozogtuk mozogtátok mozogták (mozogtalak)"},
    {"cseng", pastIndicative, kEveryToggle, "csengtem csengtél csengett csengtünk csengtetek csengtek | csengtem csengted csengte csengtük csengtétek csengték (csengtelek)"},
    {"támad", pastIndicative, kEveryToggle, "támadtam támadtál támadt támadtunk támadtatok támadtak | támadtam támadtad támadta támadtuk támadtátok támadták támadtalak"},
    {"említ", pastIndicative, kEveryToggle, "említettem említettél említett említettünk említettetek említettek | említettem említetted említette említettük említettétek említették említettelek"},
    {"hajt", pastIndicative, kEveryToggle, "hajtottam hajtottál hajtott hajtottunk hajtottatok hajtottak | hajtottam hajtottad hajtotta hajtottuk hajtottátok hajtották hajtottalak"},
    {"fut", pastIndicative, kEveryToggle, "futottam futottál futott futottunk futottatok futottak | futottam futottad futotta futottuk futottátok futották futottalak"},
    {"veszt", pastIndicative, kEveryToggle, "vesztettem vesztettél vesztett vesztettünk vesztettetek vesztettek | vesztettem vesztetted vesztette vesztettük vesztettétek vesztették vesztettelek"},
    {"lapít", pastIndicative, kEveryToggle, "lapítottam lapítottál lapított lapítottunk lapítottatok lapítottak | lapítottam lapítottad lapította lapítottuk lapítottátok lapították lapítottalak"},
    {"vonz", pastIndicative, kEveryToggle, "vonzottam vonzottál vonzott vonzottunk vonzottatok vonzottak | vonzottam vonzottad vonzotta vonzottuk vonzottátok vonzották vonzottalak"},
    {"bocsát", pastIndicative, kEveryToggle, "bocsátottam bocsátottál bocsátott bocsátottunk bocsátottatok bocsátottak | bocsátottam bocsátottad bocsátotta bocsátottuk bocsátottátok bocsátották bocsátottalak"},
    {"vész", pastIndicative, kEveryToggle, "vesztem vesztél veszett vesztünk vesztetek vesztek | vesztem veszted veszte vesztük vesztétek veszték (vesztelek)"},
    {"igyekezik", pastIndicative, kEveryToggle, "igyekeztem igyekeztél igyekezett igyekeztünk igyekeztetek igyekeztek | igyekeztem igyekezted igyekezte igyekeztük igyekeztétek igyekezték (igyekeztelek)"},
    {"aggódik", pastIndicative, kEveryToggle, "aggódtam aggódtál aggódott aggódtunk aggódtatok aggódtak | aggódtam aggódtad aggódta aggódtuk aggódtátok aggódták (aggódtalak)"},
    {"verekedik", pastIndicative, kEveryToggle, "verekedtem verekedtél verekedett verekedtünk verekedtetek verekedtek | verekedtem verekedted verekedte verekedtük verekedtétek verekedték (verekedtelek)"},
    {"nőszik", pastIndicative, kEveryToggle, "nősztem nősztél nőszött nősztünk nősztetek nősztek | nősztem nőszted nőszte nősztük nősztétek nőszték (nősztelek)"},
    {"tetszik", pastIndicative, kEveryToggle, "tetszettem tetszettél tetszett tetszettünk tetszettetek tetszettek | tetszettem tetszetted tetszette tetszettük tetszettétek tetszették (tetszettelek)"},
    {"utazik", pastIndicative, kEveryToggle, "utaztam utaztál utazott utaztunk utaztatok utaztak | utaztam utaztad utazta utaztuk utaztátok utazták (utaztalak)"},
    {"késik", pastIndicative, kEveryToggle, "késtem késtél késett késtünk késtetek késtek | késtem késted késte késtük késtétek késték (késtelek)"},
    {"esküszik", pastIndicative, kEveryToggle, "esküdtem esküdtél esküdött esküdtünk esküdtetek esküdtek | esküdtem esküdted esküdte esküdtük esküdtétek esküdték (esküdtelek)"},
    {"sugárzik", pastIndicative, kEveryToggle, "sugárzottam sugárzottál sugárzott sugárzottunk sugárzottatok sugárzottak | sugárzottam sugárzottad sugárzotta sugárzottuk sugárzottátok sugárzották (sugárzottalak)"},
    {"dohányzik", pastIndicative, kEveryToggle, "dohányoztam dohányoztál dohányzott dohányoztunk dohányoztatok dohányoztak | dohányoztam dohányoztad dohányozta dohányoztuk dohányoztátok dohányozták (dohányoztalak)"},
    {"bukik", pastIndicative, kEveryToggle, "buktam buktál bukott buktunk buktatok buktak | buktam buktad bukta buktuk buktátok bukták (buktalak)"},
    {"adatik", pastIndicative, kEveryToggle, "adattam adattál adatott adattunk adattatok adattak | adattam adattad adatta adattuk adattátok adatták (adattalak)"},
    {"hazudik", pastIndicative, kEveryToggle, "hazudtam hazudtál hazudott hazudtunk hazudtatok hazudtak | hazudtam hazudtad hazudta hazudtuk hazudtátok hazudták (hazudtalak)"},
    {"horgászik", pastIndicative, kEveryToggle, "horgásztam horgásztál horgászott horgásztunk horgásztatok horgásztak | horgásztam horgásztad horgászta horgásztuk horgásztátok horgászták (horgásztalak)"},
    {"fogamzik", pastIndicative, kEveryToggle, "fogamzottam fogamzottál fogamzott fogamzottunk fogamzottatok fogamzottak | fogamzottam fogamzottad fogamzotta fogamzottuk fogamzottátok fogamzották (fogamzottalak)"},
    {"napozik", pastIndicative, kEveryToggle, "napoztam napoztál napozott napoztunk napoztatok napoztak | napoztam napoztad napozta napoztuk napoztátok napozták (napoztalak)"},
    {"bukdosik", pastIndicative, kEveryToggle, "bukdostam bukdostál bukdosott bukdostunk bukdostatok bukdostak | bukdostam bukdostad bukdosta bukdostuk bukdostátok bukdosták (bukdostalak)"},
    {"viharzik", pastIndicative, kEveryToggle, "viharzottam viharzottál viharzott viharzottunk viharzottatok viharzottak | viharzottam viharzottad viharzotta viharzottuk viharzottátok viharzották (viharzottalak)"},
    {"fingik", pastIndicative, kEveryToggle, "fingottam fingottál fingott fingottunk fingottatok fingottak | fingottam fingottad fingotta fingottuk fingottátok fingották (fingottalak)"},
    {"válik", pastIndicative, kEveryToggle, "váltam váltál vált váltunk váltatok váltak | váltam váltad válta váltuk váltátok válták (váltalak)"},
    {"bújik", pastIndicative, kEveryToggle, "bújtam bújtál bújt bújtunk bújtatok bújtak | bújtam bújtad bújta bújtuk bújtátok bújták (bújtalak)"},
    {"hullik", pastIndicative, kEveryToggle, "hullottam hullottál hullott hullottunk hullottatok hullottak | hullottam hullottad hullotta hullottuk hullottátok hullották (hullottalak)"},
    {"érik", pastIndicative, kEveryToggle, "értem értél érett értünk értetek értek | értem érted érte értük értétek érték (értelek)"},
    {"születik", pastIndicative, kEveryToggle, "születtem születtél született születtünk születtetek születtek | születtem születted születte születtük születtétek születték (születtelek)"},
    {"egybeilleszkedik", pastIndicative, kEveryToggle, "egybeilleszkedtem egybeilleszkedtél egybeilleszkedett egybeilleszkedtünk egybeilleszkedtetek egybeilleszkedtek | egybeilleszkedtem egybeilleszkedted egybeilleszkedte egybeilleszkedtük egybeilleszkedtétek egybeilleszkedték (egybeilleszkedtelek)"},
    {"bagzik", pastIndicative, kEveryToggle, "bagzottam bagzottál bagzott bagzottunk bagzottatok bagzottak | bagzottam bagzottad bagzotta bagzottuk bagzottátok bagzották (bagzottalak)"},
    {"sakkozik", pastIndicative, kEveryToggle, "sakkoztam sakkoztál sakkozott sakkoztunk sakkoztatok sakkoztak | sakkoztam sakkoztad sakkozta sakkoztuk sakkoztátok sakkozták (sakkoztalak)"},
    {"bujdosik", pastIndicative, kEveryToggle, "bujdostam bujdostál bujdosott bujdostunk bujdostatok bujdostak | bujdostam bujdostad bujdosta bujdostuk bujdostátok bujdosták (bujdostalak)"},
    {"haldoklik", pastIndicative, kEveryToggle, "haldokoltam haldokoltál haldoklott haldokoltunk haldokoltatok haldokoltak | haldokoltam haldokoltad haldokolta haldokoltuk haldokoltátok haldokolták (haldokoltalak)"},
    {"mosdik", pastIndicative, kEveryToggle, "mosdottam mosdottál mosdott mosdottunk mosdottatok mosdottak | mosdottam mosdottad mosdotta mosdottuk mosdottátok mosdották (mosdottalak)"},
    {"lakik", pastIndicative, kEveryToggle, "laktam laktál lakott laktunk laktatok laktak | laktam laktad lakta laktuk laktátok lakták (laktalak)"},
    {"érzik", pastIndicative, kEveryToggle, "érzettem érzettél érzett érzettünk érzettetek érzettek | érzettem érzetted érzette érzettük érzettétek érzették (érzettelek)"},
    {"akaródzik", pastIndicative, kEveryToggle, "akarództam akarództál akaródzott akarództunk akarództatok akarództak | akarództam akarództad akarództa akarództuk akarództátok akarództák (akarództalak)"},
    {"áll", presentConditional, kEveryToggle, "állnék állnál állna állnánk állnátok állnának | állnám állnád állná állnánk állnátok állnák (állnálak)"},
    {"hall", presentConditional, kEveryToggle, "hallanék hallanál hallana hallanánk hallanátok hallanának | hallanám hallanád hallaná hallanánk hallanátok hallanák hallanálak"},
    {"ajánl", presentConditional, kEveryToggle, "ajánlanék ajánlanál ajánlana ajánlanánk ajánlanátok ajánlanának | ajánlanám ajánlanád ajánlaná ajánlanánk ajánlanátok ajánlanák ajánlanálak"},
    {"mozog", presentConditional, kEveryToggle, "mozognék mozognál mozogna mozognánk mozognátok mozognának | mozognám mozognád mozogná mozognánk mozognátok mozognák (mozognálak)"},
    {"cseng", presentConditional, kEveryToggle, "csengenék csengenél csengene csengenénk csengenétek csengenének | csengeném csengenéd csengené csengenénk csengenétek csengenék (csengenélek)"},
    {"támad", presentConditional, kEveryToggle, "támadnék támadnál támadna támadnánk támadnátok támadnának | támadnám támadnád támadná támadnánk támadnátok támadnák támadnálak"},
    {"említ", presentConditional, kEveryToggle, "említenék említenél említene említenénk említenétek említenének | említeném említenéd említené említenénk említenétek említenék említenélek"},
    {"hajt", presentConditional, kEveryToggle, "hajtanék hajtanál hajtana hajtanánk hajtanátok hajtanának | hajtanám hajtanád hajtaná hajtanánk hajtanátok hajtanák hajtanálak"},
    {"fut", presentConditional, kEveryToggle, "futnék futnál futna futnánk futnátok futnának | futnám futnád futná futnánk futnátok futnák futnálak"},
    {"veszt", presentConditional, kEveryToggle, "vesztenék vesztenél vesztene vesztenénk vesztenétek vesztenének | veszteném vesztenéd vesztené vesztenénk vesztenétek vesztenék vesztenélek"},
    {"lapít", presentConditional, kEveryToggle, "lapítanék lapítanál lapítana lapítanánk lapítanátok lapítanának | lapítanám lapítanád lapítaná lapítanánk lapítanátok lapítanák lapítanálak"},
    {"vonz", presentConditional, kEveryToggle, "vonzanék vonzanál vonzana vonzanánk vonzanátok vonzanának | vonzanám vonzanád vonzaná vonzanánk vonzanátok vonzanák vonzanálak"},
    {"bocsát", presentConditional, kEveryToggle, "bocsátanék bocsátanál bocsátana bocsátanánk bocsátanátok bocsátanának | bocsátanám bocsátanád bocsátaná bocsátanánk bocsátanátok bocsátanák bocsátanálak"},
    {"vész", presentConditional, kEveryToggle, "vesznék vesznél veszne vesznénk vesznétek vesznének | veszném vesznéd veszné vesznénk vesznétek vesznék (vesznélek)"},
    {"igyekezik", presentConditional, kEveryToggle, "igyekeznék igyekeznél igyekezne igyekeznénk igyekeznétek igyekeznének | igyekezném igyekeznéd igyekezné igyekeznénk igyekeznétek igyekeznék (igyekeznélek)"},
    {"aggódik", presentConditional, kEveryToggle, "aggódnék aggódnál aggódna aggódnánk aggódnátok aggódnának | aggódnám aggódnád aggódná aggódnánk aggódnátok aggódnák (aggódnálak)"},
    {"verekedik", presentConditional, kEveryToggle, "verekednék verekednél verekedne verekednénk verekednétek verekednének | verekedném verekednéd verekedné verekednénk verekednétek verekednék (verekednélek)"},
    {"nőszik", presentConditional, kEveryToggle, "nősznék nősznél nőszne nősznénk nősznétek nősznének | nőszném nősznéd nőszné nősznénk nősznétek nősznék (nősznélek)"},
    {"tetszik", presentConditional, kEveryToggle, "tetszenék tetszenél tetszene tetszenénk tetszenétek tetszenének | tetszeném tetszenéd tetszené tetszenénk tetszenétek tetszenék (tetszenélek)"},
    {"utazik", presentConditional, kEveryToggle, "utaznék utaznál utazna utaznánk utaznátok utaznának | utaznám utaznád utazná utaznánk utaznátok utaznák (utaználak)"},
    {"késik", presentConditional, kEveryToggle, "késnék késnél késne késnénk késnétek késnének | késném késnéd késné késnénk késnétek késnék (késnélek)"},
    {"esküszik", presentConditional, kEveryToggle, "esküdnék esküdnél esküdne esküdnénk esküdnétek esküdnének | esküdném esküdnéd esküdné esküdnénk esküdnétek esküdnék (esküdnélek)"},
    {"sugárzik", presentConditional, kEveryToggle, "sugárzanék sugárzanál sugárzana sugárzanánk sugárzanátok sugárzanának | sugárzanám sugárzanád sugárzaná sugárzanánk sugárzanátok sugárzanák (sugárzanálak)"},
    {"dohányzik", presentConditional, kEveryToggle, "dohányoznék dohányoznál dohányozna dohányoznánk dohányoznátok dohányoznának | dohányoznám dohányoznád dohányozná dohányoznánk dohányoznátok dohányoznák (dohányoználak)"},
    {"bukik", presentConditional, kEveryToggle, "buknék buknál bukna buknánk buknátok buknának | buknám buknád bukná buknánk buknátok buknák (buknálak)"},
    {"adatik", presentConditional, kEveryToggle, "adatnék adatnál adatna adatnánk adatnátok adatnának | adatnám adatnád adatná adatnánk adatnátok adatnák (adatnálak)"},
    {"hazudik", presentConditional, kEveryToggle, "hazudnék hazudnál hazudna hazudnánk hazudnátok hazudnának | hazudnám hazudnád hazudná hazudnánk hazudnátok hazudnák (hazudnálak)"},
    {"horgászik", presentConditional, kEveryToggle, "horgásznék horgásznál horgászna horgásznánk horgásznátok horgásznának | horgásznám horgásznád horgászná horgásznánk horgásznátok horgásznák (horgásználak)"},
    {"fogamzik", presentConditional, kEveryToggle, "fogamzanék fogamzanál fogamzana fogamzanánk fogamzanátok fogamzanának | fogamzanám fogamzanád fogamzaná fogamzanánk fogamzanátok fogamzanák (fogamzanálak)"},
    {"napozik", presentConditional, kEveryToggle, "napoznék napoznál napozna napoznánk napoznátok napoznának | napoznám napoznád napozná napoznánk napoznátok napoznák (napoználak)"},
    {"bukdosik", presentConditional, kEveryToggle, "bukdosnék bukdosnál bukdosna bukdosnánk bukdosnátok bukdosnának | bukdosnám bukdosnád bukdosná bukdosnánk bukdosnátok bukdosnák (bukdosnálak)"},
    {"viharzik", presentConditional, kEveryToggle, "viharzanék viharzanál viharzana viharzanánk viharzanátok viharzanának | viharzanám viharzanád viharzaná viharzanánk viharzanátok viharzanák (viharzanálak)"},
    {"fingik", presentConditional, kEveryToggle, "finganék finganál fingana finganánk finganátok finganának | finganám finganád finganá finganánk finganátok finganák (finganálak)"},
    {"válik", presentConditional, kEveryToggle, "válnék válnál válna válnánk válnátok válnának | válnám válnád válná válnánk válnátok válnák (válnálak)"},
    {"bújik", presentConditional, kEveryToggle, "bújnék bújnál bújna bújnánk bújnátok bújnának | bújnám bújnád bújná bújnánk bújnátok bújnák (bújnálak)"},
    {"hullik", presentConditional, kEveryToggle, "hullanék hullanál hullana hullanánk hullanátok hullanának | hullanám hullanád hullaná hullanánk hullanátok hullanák (hullanálak)"},
    {"érik", presentConditional, kEveryToggle, "érnék érnél érne érnénk érnétek érnének | érném érnéd érné érnénk érnétek érnék (érnélek)"},
    {"születik", presentConditional, kEveryToggle, "születnék születnél születne születnénk születnétek születnének | születném születnéd születné születnénk születnétek születnék (születnélek)"},
    {"egybeilleszkedik", presentConditional, kEveryToggle, "egybeilleszkednék egybeilleszkednél egybeilleszkedne egybeilleszkednénk egybeilleszkednétek egybeilleszkednének | egybeilleszkedném egybeilleszkednéd egybeilleszkedné egybeilleszkednénk egybeilleszkednétek egybeilleszkednék (egybeilleszkednélek)"},
    {"bagzik", presentConditional, kEveryToggle, "bagzanék bagzanál bagzana bagzanánk bagzanátok bagzanának | bagzanám bagzanád bagzaná bagzanánk bagzanátok bagzanák (bagzanálak)"},
    {"sakkozik", presentConditional, kEveryToggle, "sakkoznék sakkoznál sakkozna sakkoznánk sakkoznátok sakkoznának | sakkoznám sakkoznád sakkozná sakkoznánk sakkoznátok sakkoznák (sakkoználak)"},
    {"bujdosik", presentConditional, kEveryToggle, "bujdosnék bujdosnál bujdosna bujdosnánk bujdosnátok bujdosnának | bujdosnám bujdosnád bujdosná bujdosnánk bujdosnátok bujdosnák (bujdosnálak)"},
    {"haldoklik", presentConditional, kEveryToggle, "haldokolnék haldokolnál haldokolna haldokolnánk haldokolnátok haldokolnának | haldokolnám haldokolnád haldokolná haldokolnánk haldokolnátok haldokolnák (haldokolnálak)"},
    {"mosdik", presentConditional, kEveryToggle, "mosdanék mosdanál mosdana mosdanánk mosdanátok mosdanának | mosdanám mosdanád mosdaná mosdanánk mosdanátok mosdanák (mosdanálak)"},
    {"lakik", presentConditional, kEveryToggle, "laknék laknál lakna laknánk laknátok laknának | laknám laknád lakná laknánk laknátok laknák (laknálak)"},
    {"érzik", presentConditional, kEveryToggle, "érzenék érzenél érzene érzenénk érzenétek érzenének | érzeném érzenéd érzené érzenénk érzenétek érzenék (érzenélek)"},
    {"akaródzik", presentConditional, kEveryToggle, "akaródznék akaródznál akaródzna akaródznánk akaródznátok akaródznának | akaródznám akaródznád akaródzná akaródznánk akaródznátok akaródznák (akaródználak)"},
    {"áll", imperative, kEveryToggle, "álljak álljál álljon álljunk álljatok álljanak | álljam álljad állja álljuk álljátok állják (álljalak)"},
    {"hall", imperative, kEveryToggle, "halljak halljál halljon halljunk halljatok halljanak | halljam halljad hallja halljuk halljátok hallják halljalak"},
    {"ajánl", imperative, kEveryToggle, "ajánljak ajánljál ajánljon ajánljunk ajánljatok ajánljanak | ajánljam ajánljad ajánlja ajánljuk ajánljátok ajánlják ajánljalak"},
    {"mozog", imperative, kEveryToggle, "mozogjak mozogjál mozogjon mozogjunk mozogjatok mozogjanak | mozogjam mozogjad mozogja mozogjuk mozogjátok mozogják (mozogjalak)"},
    {"cseng", imperative, kEveryToggle, "csengjek csengjél csengjen csengjünk csengjetek csengjenek | csengjem csengjed csengje csengjük csengjétek csengjék (csengjelek)"},
    {"támad", imperative, kEveryToggle, "támadjak támadjál támadjon támadjunk támadjatok támadjanak | támadjam támadjad támadja támadjuk támadjátok támadják támadjalak"},
    {"említ", imperative, kEveryToggle, "említsek említsél említsen említsünk említsetek említsenek | említsem említsed említse említsük említsétek említsék említselek"},
    {"hajt", imperative, kEveryToggle, "hajtsak hajtsál hajtson hajtsunk hajtsatok hajtsanak | hajtsam hajtsad hajtsa hajtsuk hajtsátok hajtsák hajtsalak"},
    {"fut", imperative, kEveryToggle, "fussak fussál fusson fussunk fussatok fussanak | fussam fussad fussa fussuk fussátok fussák fussalak"},
    {"veszt", imperative, kEveryToggle, "veszítsek veszítsél veszítsen veszítsünk veszítsetek veszítsenek | veszítsem veszítsed veszítse veszítsük veszítsétek veszítsék veszítselek"},
    {"lapít", imperative, kEveryToggle, "lapítsak lapítsál lapítson lapítsunk lapítsatok lapítsanak | lapítsam lapítsad lapítsa lapítsuk lapítsátok lapítsák lapítsalak"},
    {"vonz", imperative, kEveryToggle, "vonzzak vonzzál vonzzon vonzzunk vonzzatok vonzzanak | vonzzam vonzzad vonzza vonzzuk vonzzátok vonzzák vonzzalak"},
    {"bocsát", imperative, kEveryToggle, "bocsássak bocsássál bocsásson bocsássunk bocsássatok bocsássanak | bocsássam bocsássad bocsássa bocsássuk bocsássátok bocsássák bocsássalak"},
    {"vész", imperative, kEveryToggle, "vesszek vesszél vesszen vesszünk vesszetek vesszenek | vesszem vesszed vessze vesszük vesszétek vesszék (vesszelek)"},
    {"igyekezik", imperative, kEveryToggle, "igyekezzek igyekezzél igyekezzen igyekezzünk igyekezzetek igyekezzenek | igyekezzem igyekezzed igyekezze igyekezzük igyekezzétek igyekezzék (igyekezzelek)"},
    {"aggódik", imperative, kEveryToggle, "aggódjak aggódjál aggódjon aggódjunk aggódjatok aggódjanak | aggódjam aggódjad aggódja aggódjuk aggódjátok aggódják (aggódjalak)"},
    {"verekedik", imperative, kEveryToggle, "verekedjek verekedjél verekedjen verekedjünk verekedjetek verekedjenek | verekedjem verekedjed verekedje verekedjük verekedjétek verekedjék (verekedjelek)"},
    {"nőszik", imperative, kEveryToggle, "nősszek nősszél nősszön nősszünk nősszetek nősszenek | nősszem nősszed nőssze nősszük nősszétek nősszék (nősszelek)"},
    {"tetszik", imperative, kEveryToggle, "tetsszek tetsszél tetsszen tetsszünk tetsszetek tetsszenek | tetsszem tetsszed tetssze tetsszük tetsszétek tetsszék (tetsszelek)"},
    {"utazik", imperative, kEveryToggle, "utazzak utazzál utazzon utazzunk utazzatok utazzanak | utazzam utazzad utazza utazzuk utazzátok utazzák (utazzalak)"},
    {"késik", imperative, kEveryToggle, "késsek késsél késsen késsünk késsetek késsenek | késsem késsed késse késsük késsétek késsék (késselek)"},
    {"esküszik", imperative, kEveryToggle, "esküdjek esküdjél esküdjön esküdjünk esküdjetek esküdjenek | esküdjem esküdjed esküdje esküdjük esküdjétek esküdjék (esküdjelek)"},
    {"sugárzik", imperative, kEveryToggle, "sugározzak sugározzál sugározzon sugározzunk sugározzatok sugározzanak | sugározzam sugározzad sugározza sugározzuk sugározzátok sugározzák (sugározzalak)"},
    {"dohányzik", imperative, kEveryToggle, "dohányozzak dohányozzál dohányozzon dohányozzunk dohányozzatok dohányozzanak | dohányozzam dohányozzad dohányozza dohányozzuk dohányozzátok dohányozzák (dohányozzalak)"},
    {"bukik", imperative, kEveryToggle, "bukjak bukjál bukjon bukjunk bukjatok bukjanak | bukjam bukjad bukja bukjuk bukjátok bukják (bukjalak)"},
    {"adatik", imperative, kEveryToggle, "adassak adassál adasson adassunk adassatok adassanak | adassam adassad adassa adassuk adassátok adassák (adassalak)"},
    {"hazudik", imperative, kEveryToggle, "hazudjak hazudjál hazudjon hazudjunk hazudjatok hazudjanak | hazudjam hazudjad hazudja hazudjuk hazudjátok hazudják (hazudjalak)"},
    {"horgászik", imperative, kEveryToggle, "horgásszak horgásszál horgásszon horgásszunk horgásszatok horgásszanak | horgásszam horgásszad horgássza horgásszuk horgásszátok horgásszák (horgásszalak)"},
    {"fogamzik", imperative, kEveryToggle, "fogamzzak fogamzzál fogamzzon fogamzzunk fogamzzatok fogamzzanak | fogamzzam fogamzzad fogamzza fogamzzuk fogamzzátok fogamzzák (fogamzzalak)"},
    {"napozik", imperative, kEveryToggle, "napozzak napozzál napozzon napozzunk napozzatok napozzanak | napozzam napozzad napozza napozzuk napozzátok napozzák (napozzalak)"},
    {"bukdosik", imperative, kEveryToggle, "bukdossak bukdossál bukdosson bukdossunk bukdossatok bukdossanak | bukdossam bukdossad bukdossa bukdossuk bukdossátok bukdossák (bukdossalak)"},
    {"viharzik", imperative, kEveryToggle, "viharozzak viharozzál viharozzon viharozzunk viharozzatok viharozzanak | viharozzam viharozzad viharozza viharozzuk viharozzátok viharozzák (viharozzalak)"},
    {"fingik", imperative, kEveryToggle, "fingjak fingjál fingjon fingjunk fingjatok fingjanak | fingjam fingjad fingja fingjuk fingjátok fingják (fingjalak)"},
    {"válik", imperative, kEveryToggle, "váljak váljál váljon váljunk váljatok váljanak | váljam váljad válja váljuk váljátok válják (váljalak)"},
    {"bújik", imperative, kEveryToggle, "bújjak bújjál bújjon bújjunk bújjatok bújjanak | bújjam bújjad bújja bújjuk bújjátok bújják (bújjalak)"},
    {"hullik", imperative, kEveryToggle, "hulljak hulljál hulljon hulljunk hulljatok hulljanak | hulljam hulljad hullja hulljuk hulljátok hullják (hulljalak)"},
    {"érik", imperative, kEveryToggle, "érjek érjél érjen érjünk érjetek érjenek | érjem érjed érje érjük érjétek érjék (érjelek)"},
    {"születik", imperative, kEveryToggle, "szülessek szülessél szülessen szülessünk szülessetek szülessenek | szülessem szülessed szülesse szülessük szülessétek szülessék (szülesselek)"},
    {"egybeilleszkedik", imperative, kEveryToggle, "egybeilleszkedjek egybeilleszkedjél egybeilleszkedjen egybeilleszkedjünk egybeilleszkedjetek egybeilleszkedjenek | egybeilleszkedjem egybeilleszkedjed egybeilleszkedje egybeilleszkedjük egybeilleszkedjétek egybeilleszkedjék (egybeilleszkedjelek)"},
    {"bagzik", imperative, kEveryToggle, "bagzzak bagzzál bagzzon bagzzunk bagzzatok bagzzanak | bagzzam bagzzad bagzza bagzzuk bagzzátok bagzzák (bagzzalak)"},
    {"sakkozik", imperative, kEveryToggle, "sakkozzak sakkozzál sakkozzon sakkozzunk sakkozzatok sakkozzanak | sakkozzam sakkozzad sakkozza sakkozzuk sakkozzátok sakkozzák (sakkozzalak)"},
    {"bujdosik", imperative, kEveryToggle, "bujdossak bujdossál bujdosson bujdossunk bujdossatok bujdossanak | bujdossam bujdossad bujdossa bujdossuk bujdossátok bujdossák (bujdossalak)"},
    {"haldoklik", imperative, kEveryToggle, "haldokoljak haldokoljál haldokoljon haldokoljunk haldokoljatok haldokoljanak | haldokoljam haldokoljad haldokolja haldokoljuk haldokoljátok haldokolják (haldokoljalak)"},
    {"mosdik", imperative, kEveryToggle, "mosdjak mosdjál mosdjon mosdjunk mosdjatok mosdjanak | mosdjam mosdjad mosdja mosdjuk mosdjátok mosdják (mosdjalak)"},
    {"lakik", imperative, kEveryToggle, "lakjak lakjál lakjon lakjunk lakjatok lakjanak | lakjam lakjad lakja lakjuk lakjátok lakják (lakjalak)"},
    {"érzik", imperative, kEveryToggle, "érezzek érezzél érezzen érezzünk érezzetek érezzenek | érezzem érezzed érezze érezzük érezzétek érezzék (érezzelek)"},
    {"akaródzik", imperative, kEveryToggle, "akaróddzak akaróddzál akaróddzon akaróddzunk akaróddzatok akaróddzanak | akaróddzam akaróddzad akaróddza akaróddzuk akaróddzátok akaróddzák (akaróddzalak)"},
};

void expectCellsShown(const CellsCase& c, window::LexiconFill fillLexicon) {
  WindowSession session(std::move(fillLexicon));
  session.request(c.verb, c.mood);
  if (c.toggles.allPersons && session.w().allPersonsToggle().visible) session.w().toggleAllPersons();
  if (c.toggles.objective && session.w().objectiveToggle().visible) session.w().toggleObjective();
  if (c.toggles.imperative && session.w().imperativeToggle().visible) session.w().toggleImperative();
  const Shown shown = session.shown();
  expectCells(shown, c.cells);
  expectCell(shown, 7, 1, "");  // the -lak/-lek row has no subjective form
}

class TableCells : public ::testing::TestWithParam<CellsCase> {};

TEST_P(TableCells, EveryCellAsTheWindowShowsIt) { expectCellsShown(GetParam(), storeFixtureLexicon); }

INSTANTIATE_TEST_SUITE_P(Verbs, TableCells, ::testing::ValuesIn(kCases), caseName);

class TableCellsOfTheBuiltInLexicon : public ::testing::TestWithParam<CellsCase> {};

TEST_P(TableCellsOfTheBuiltInLexicon, EveryCellAsTheWindowShowsIt) {
  expectCellsShown(GetParam(), lexicontest::copyFilledLexicon);
}

INSTANTIATE_TEST_SUITE_P(Classes, TableCellsOfTheBuiltInLexicon, ::testing::ValuesIn(kClassesOfTheBuiltInLexicon),
                         caseName);

// Each class has rules of its own in some tense and mood (its stems, markers and endings, the cells
// it writes on a second stem): the tables above hold a verb of every class the built-in lexicon
// holds in every tense and mood, so that each such rule decides a form they check.
TEST(TableCellsOfEveryClass, EveryClassOfTheBuiltInLexiconHasItsRowInEveryTenseAndMood) {
  for (Mood mood : kMoods) {
    std::set<std::string> rows;
    for (const CellsCase& c : kCases) {
      if (c.mood == mood) rows.insert(lexicontest::classOf(fixtureLexicon(), c.verb));
    }
    for (const CellsCase& c : kClassesOfTheBuiltInLexicon) {
      if (c.mood == mood) rows.insert(lexicontest::classOf(lexicontest::filledLexicon(), c.verb));
    }
    EXPECT_EQ(lexicontest::classesMissingFrom(rows), "") << "classes without a row in the " << moodName(mood);
  }
}

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
