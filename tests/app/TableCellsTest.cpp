// Every cell of the table over many verbs and all four tenses and moods.
//
// One row per request: the verb as typed, the tense and mood button, the
// toggles pressed after it, and the thirteen cells as the window shows them,
// column 1 rows 1 to 6, "|", column 2 rows 1 to 7, "-" for an empty cell (every
// cell holding a form starts with two blanks, left out here). The verbs and
// their codes are the tests' lexicon; the forms are those the rules of
// the stems, the endings and the table cells give, checked form by form.
#include <gtest/gtest.h>

#include <sstream>

#include "WindowSession.h"

namespace ragozo::testing {
namespace {

constexpr int kAllPersons = 1;
constexpr int kObjective = 2;

struct CellsCase {
  const char* verb;
  int mood;
  int toggles;
  const char* cells;
};

void PrintTo(const CellsCase& c, std::ostream* os) { *os << c.verb << " (mood " << c.mood << ")"; }

FormCells expectedCells(const char* compact) {
  std::istringstream in(compact);
  FormCells cells;
  std::size_t i = 0;
  for (std::string word; in >> word;) {
    if (word == "|") continue;
    cells.at(i++) = word == "-" ? "" : "  " + word;
  }
  EXPECT_EQ(i, cells.size()) << compact;
  return cells;
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
  static const char* kMoods[] = {"", "present", "past", "conditional", "imperative"};
  name += std::string("_") + kMoods[info.param.mood];
  if (info.param.toggles & kAllPersons) name += "_allPersons";
  if (info.param.toggles & kObjective) name += "_objective";
  return name;
}

const CellsCase kCases[] = {
    {"ad", 1, 0, "adok adsz ad adunk adtok adnak | adom adod adja adjuk adjátok adják adlak"},
    {"vár", 1, 0, "várok vársz vár várunk vártok várnak | várom várod várja várjuk várjátok várják várlak"},
    {"kér", 1, 0, "kérek kérsz kér kérünk kértek kérnek | kérem kéred kéri kérjük kéritek kérik kérlek"},
    {"küld", 1, 0, "küldök küldesz küld küldünk küldtök küldenek | küldöm küldöd küldi küldjük külditek küldik küldelek"},
    {"főz", 1, 0, "főzök főzöl főz főzünk főztök főznek | főzöm főzöd főzi főzzük főzitek főzik főzlek"},
    {"olvas", 1, 0, "olvasok olvasol olvas olvasunk olvastok olvasnak | olvasom olvasod olvassa olvassuk olvassátok olvassák olvaslak"},
    {"néz", 1, 0, "nézek nézel néz nézünk néztek néznek | nézem nézed nézi nézzük nézitek nézik nézlek"},
    {"alszik", 1, 0, "alszom alszol alszik alszunk alszotok alszanak | alszom alszod alussza alusszuk alusszátok alusszák (aluszlak)"},
    {"fekszik", 1, 0, "fekszem fekszel fekszik fekszünk fekszetek fekszenek | - - - - - - -"},
    {"eszik", 1, 0, "eszem eszel eszik eszünk esztek esznek | eszem eszed eszi esszük eszitek eszik eszlek"},
    {"iszik", 1, 0, "iszom iszol iszik iszunk isztok isznak | iszom iszod issza isszuk isszátok isszák (iszlak)"},
    {"megy", 1, 0, "megyek mész megy megyünk mentek mennek | - - - - - - -"},
    {"jön", 1, 0, "jövök jössz jön jövünk jöttök jönnek | - - - - - - -"},
    {"van", 1, 0, "vagyok vagy van vagyunk vagytok vannak | - - - - - - -"},
    {"lő", 1, 0, "lövök lősz lő lövünk lőtök lőnek | lövöm lövöd lövi lőjük lövitek lövik lőlek"},
    {"hisz", 1, 0, "hiszek hiszel hisz hiszünk hisztek hisznek | hiszem hiszed hiszi hisszük hiszitek hiszik hiszlek"},
    {"tesz", 1, 0, "teszek teszel tesz teszünk tesztek tesznek | teszem teszed teszi tesszük teszitek teszik teszlek"},
    {"vesz", 1, 0, "veszek veszel vesz veszünk vesztek vesznek | veszem veszed veszi vesszük veszitek veszik veszlek"},
    {"visz", 1, 0, "viszek viszel visz viszünk visztek visznek | viszem viszed viszi visszük viszitek viszik viszlek"},
    {"lesz", 1, 0, "leszek leszel lesz leszünk lesztek lesznek | - - - - - - -"},
    {"ugrik", 1, 0, "ugrom ugrasz ugrik ugrunk ugrotok ugranak | - - - - - - -"},
    {"fürdik", 1, 0, "fürdök fürdesz fürdik fürdünk fürödtök fürdenek | - - - - - - -"},
    {"omlik", 1, 0, "omlok omlasz omlik omlunk omlotok omlanak | - - - - - - -"},
    {"emlékszik", 1, 0, "emlékszem emlékszel emlékszik emlékszünk emlékeztek emlékeznek | - - - - - - -"},
    {"melegszik", 1, 0, "melegszem melegszel melegszik melegszünk melegedtek melegednek | - - - - - - -"},
    {"haragszik", 1, 0, "haragszom haragszol haragszik haragszunk haragudtok haragudnak | - - - - - - -"},
    {"sodor", 1, 0, "sodrok sodorsz sodor sodrunk sodortok sodornak | sodrom sodrod sodorja sodorjuk sodorjátok sodorják (sodorlak)"},
    {"énekel", 1, 0, "éneklek énekelsz énekel éneklünk énekeltek énekelnek | éneklem énekled énekli énekeljük éneklitek éneklik énekellek"},
    {"érez", 1, 0, "érzek érzel érez érzünk éreztek éreznek | érzem érzed érzi érezzük érzitek érzik érezlek"},
    {"jegyez", 1, 0, "jegyzek jegyzel jegyez jegyzünk jegyeztek jegyeznek | jegyzem jegyzed jegyzi jegyezzük jegyzitek jegyzik jegyezlek"},
    {"edz", 1, 0, "edzek edzel edz edzünk edzetek edzenek | edzem edzed edzi eddzük edzitek edzik edzelek"},
    {"fest", 1, 0, "festek festesz fest festünk festetek festenek | festem fested festi festjük festitek festik festelek"},
    {"izzik", 1, 0, "izzok izzol izzik izzunk izzotok izzanak | - - - - - - -"},
    {"játszik", 1, 0, "játszom játszol játszik játszunk játszotok játszanak | játszom játszod játssza játsszuk játsszátok játsszák játszalak"},
    {"mászik", 1, 0, "mászom mászol mászik mászunk másztok másznak | - - - - - - -"},
    {"alapszik", 1, 0, "- - alapszik - - alapszanak | - - - - - - -"},
    {"csempész", 1, 0, "csempészek csempészel csempész csempészünk csempésztek csempésznek | csempészem csempészed csempészi csempésszük csempészitek csempészik csempészlek"},
    {"metsz", 1, 0, "metszek metszel metsz metszünk metszetek metszenek | metszem metszed metszi metsszük metszitek metszik (metszelek)"},
    {"ró", 1, 0, "rovok rósz ró rovunk rótok rónak | rovom rovod rója rójuk rójátok róják (rólak)"},
    {"nyű", 1, 0, "nyüvök nyűsz nyű nyüvünk nyűtök nyűnek | nyüvöm nyüvöd nyüvi nyűjük nyüvitek nyüvik (nyűlek)"},
    {"ül", 1, 0, "ülök ülsz ül ülünk ültök ülnek | ülöm ülöd üli üljük ülitek ülik (üllek)"},
    {"akaszt", 1, 0, "akasztok akasztasz akaszt akasztunk akasztotok akasztanak | akasztom akasztod akasztja akasztjuk akasztjátok akasztják akasztalak"},
    {"abajgat", 1, 0, "abajgatok abajgatsz abajgat abajgatunk abajgattok abajgatnak | abajgatom abajgatod abajgatja abajgatjuk abajgatjátok abajgatják abajgatlak"},
    {"őriz", 1, 0, "őrzök őrzöl őriz őrzünk őriztek őriznek | őrzöm őrzöd őrzi őrizzük őrzitek őrzik őrizlek"},
    {"ad", 2, 0, "adtam adtál adott adtunk adtatok adtak | adtam adtad adta adtuk adtátok adták adtalak"},
    {"vár", 2, 0, "vártam vártál várt vártunk vártatok vártak | vártam vártad várta vártuk vártátok várták vártalak"},
    {"kér", 2, 0, "kértem kértél kért kértünk kértetek kértek | kértem kérted kérte kértük kértétek kérték kértelek"},
    {"küld", 2, 0, "küldtem küldtél küldött küldtünk küldtetek küldtek | küldtem küldted küldte küldtük küldtétek küldték küldtelek"},
    {"főz", 2, 0, "főztem főztél főzött főztünk főztetek főztek | főztem főzted főzte főztük főztétek főzték főztelek"},
    {"olvas", 2, 0, "olvastam olvastál olvasott olvastunk olvastatok olvastak | olvastam olvastad olvasta olvastuk olvastátok olvasták olvastalak"},
    {"néz", 2, 0, "néztem néztél nézett néztünk néztetek néztek | néztem nézted nézte néztük néztétek nézték néztelek"},
    {"alszik", 2, 0, "aludtam aludtál aludt aludtunk aludtatok aludtak | aludtam aludtad aludta aludtuk aludtátok aludták (aludtalak)"},
    {"fekszik", 2, 0, "feküdtem feküdtél feküdt feküdtünk feküdtetek feküdtek | - - - - - - -"},
    {"eszik", 2, 0, "ettem ettél evett ettünk ettetek ettek | ettem etted ette ettük ettétek ették ettelek"},
    {"iszik", 2, 0, "ittam ittál ivott ittunk ittatok ittak | ittam ittad itta ittuk ittátok itták (ittalak)"},
    {"megy", 2, 0, "mentem mentél ment mentünk mentetek mentek | - - - - - - -"},
    {"jön", 2, 0, "jöttem jöttél jött jöttünk jöttetek jöttek | - - - - - - -"},
    {"van", 2, 0, "voltam voltál volt voltunk voltatok voltak | - - - - - - -"},
    {"lő", 2, 0, "lőttem lőttél lőtt lőttünk lőttetek lőttek | lőttem lőtted lőtte lőttük lőttétek lőtték lőttelek"},
    {"hisz", 2, 0, "hittem hittél hitt hittünk hittetek hittek | hittem hitted hitte hittük hittétek hitték hittelek"},
    {"tesz", 2, 0, "tettem tettél tett tettünk tettetek tettek | tettem tetted tette tettük tettétek tették tettelek"},
    {"vesz", 2, 0, "vettem vettél vett vettünk vettetek vettek | vettem vetted vette vettük vettétek vették vettelek"},
    {"visz", 2, 0, "vittem vittél vitt vittünk vittetek vittek | vittem vitted vitte vittük vittétek vitték vittelek"},
    {"lesz", 2, 0, "lettem lettél lett lettünk lettetek lettek | - - - - - - -"},
    {"ugrik", 2, 0, "ugrottam ugrottál ugrott ugrottunk ugrottatok ugrottak | - - - - - - -"},
    {"fürdik", 2, 0, "fürödtem fürödtél fürdött fürödtünk fürödtetek fürödtek | - - - - - - -"},
    {"omlik", 2, 0, "omlottam omlottál omlott omlottunk omlottatok omlottak | - - - - - - -"},
    {"emlékszik", 2, 0, "emlékeztem emlékeztél emlékezett emlékeztünk emlékeztetek emlékeztek | - - - - - - -"},
    {"melegszik", 2, 0, "melegedtem melegedtél melegedett melegedtünk melegedtetek melegedtek | - - - - - - -"},
    {"haragszik", 2, 0, "haragudtam haragudtál haragudott haragudtunk haragudtatok haragudtak | - - - - - - -"},
    {"sodor", 2, 0, "sodortam sodortál sodort sodortunk sodortatok sodortak | sodortam sodortad sodorta sodortuk sodortátok sodorták (sodortalak)"},
    {"énekel", 2, 0, "énekeltem énekeltél énekelt énekeltünk énekeltetek énekeltek | énekeltem énekelted énekelte énekeltük énekeltétek énekelték énekeltelek"},
    {"érez", 2, 0, "éreztem éreztél érzett éreztünk éreztetek éreztek | éreztem érezted érezte éreztük éreztétek érezték éreztelek"},
    {"jegyez", 2, 0, "jegyeztem jegyeztél jegyzett jegyeztünk jegyeztetek jegyeztek | jegyeztem jegyezted jegyezte jegyeztük jegyeztétek jegyezték jegyeztelek"},
    {"edz", 2, 0, "edzettem edzettél edzett edzettünk edzettetek edzettek | edzettem edzetted edzette edzettük edzettétek edzették edzettelek"},
    {"fest", 2, 0, "festettem festettél festett festettünk festettetek festettek | festettem festetted festette festettük festettétek festették festettelek"},
    {"izzik", 2, 0, "izzottam izzottál izzott izzottunk izzottatok izzottak | - - - - - - -"},
    {"játszik", 2, 0, "játszottam játszottál játszott játszottunk játszottatok játszottak | játszottam játszottad játszotta játszottuk játszottátok játszották játszottalak"},
    {"mászik", 2, 0, "másztam másztál mászott másztunk másztatok másztak | - - - - - - -"},
    {"alapszik", 2, 0, "- - alapult - - alapultak | - - - - - - -"},
    {"csempész", 2, 0, "csempésztem csempésztél csempészett csempésztünk csempésztetek csempésztek | csempésztem csempészted csempészte csempésztük csempésztétek csempészték csempésztelek"},
    {"metsz", 2, 0, "metszettem metszettél metszett metszettünk metszettetek metszettek | metszettem metszetted metszette metszettük metszettétek metszették (metszettelek)"},
    {"ró", 2, 0, "róttam róttál rótt róttunk róttatok róttak | róttam róttad rótta róttuk róttátok rótták (róttalak)"},
    {"nyű", 2, 0, "nyűttem nyűttél nyűtt nyűttünk nyűttetek nyűttek | nyűttem nyűtted nyűtte nyűttük nyűttétek nyűtték (nyűttelek)"},
    {"ül", 2, 0, "ültem ültél ült ültünk ültetek ültek | ültem ülted ülte ültük ültétek ülték (ültelek)"},
    {"akaszt", 2, 0, "akasztottam akasztottál akasztott akasztottunk akasztottatok akasztottak | akasztottam akasztottad akasztotta akasztottuk akasztottátok akasztották akasztottalak"},
    {"abajgat", 2, 0, "abajgattam abajgattál abajgatott abajgattunk abajgattatok abajgattak | abajgattam abajgattad abajgatta abajgattuk abajgattátok abajgatták abajgattalak"},
    {"őriz", 2, 0, "őriztem őriztél őrzött őriztünk őriztetek őriztek | őriztem őrizted őrizte őriztük őriztétek őrizték őriztelek"},
    {"ad", 3, 0, "adnék adnál adna adnánk adnátok adnának | adnám adnád adná adnánk adnátok adnák adnálak"},
    {"vár", 3, 0, "várnék várnál várna várnánk várnátok várnának | várnám várnád várná várnánk várnátok várnák várnálak"},
    {"kér", 3, 0, "kérnék kérnél kérne kérnénk kérnétek kérnének | kérném kérnéd kérné kérnénk kérnétek kérnék kérnélek"},
    {"küld", 3, 0, "küldenék küldenél küldene küldenénk küldenétek küldenének | küldeném küldenéd küldené küldenénk küldenétek küldenék küldenélek"},
    {"főz", 3, 0, "főznék főznél főzne főznénk főznétek főznének | főzném főznéd főzné főznénk főznétek főznék főznélek"},
    {"olvas", 3, 0, "olvasnék olvasnál olvasna olvasnánk olvasnátok olvasnának | olvasnám olvasnád olvasná olvasnánk olvasnátok olvasnák olvasnálak"},
    {"néz", 3, 0, "néznék néznél nézne néznénk néznétek néznének | nézném néznéd nézné néznénk néznétek néznék néznélek"},
    {"alszik", 3, 0, "aludnék aludnál aludna aludnánk aludnátok aludnának | aludnám aludnád aludná aludnánk aludnátok aludnák (aludnálak)"},
    {"fekszik", 3, 0, "feküdnék feküdnél feküdne feküdnénk feküdnétek feküdnének | - - - - - - -"},
    {"eszik", 3, 0, "ennék ennél enne ennénk ennétek ennének | enném ennéd enné ennénk ennétek ennék ennélek"},
    {"iszik", 3, 0, "innék innál inna innánk innátok innának | innám innád inná innánk innátok innák (innálak)"},
    {"megy", 3, 0, "mennék mennél menne mennénk mennétek mennének | - - - - - - -"},
    {"jön", 3, 0, "jönnék jönnél jönne jönnénk jönnétek jönnének | - - - - - - -"},
    {"van", 3, 0, "volnék volnál volna volnánk volnátok volnának | - - - - - - -"},
    {"lő", 3, 0, "lőnék lőnél lőne lőnénk lőnétek lőnének | lőném lőnéd lőné lőnénk lőnétek lőnék lőnélek"},
    {"hisz", 3, 0, "hinnék hinnél hinne hinnénk hinnétek hinnének | hinném hinnéd hinné hinnénk hinnétek hinnék hinnélek"},
    {"tesz", 3, 0, "tennék tennél tenne tennénk tennétek tennének | tenném tennéd tenné tennénk tennétek tennék tennélek"},
    {"vesz", 3, 0, "vennék vennél venne vennénk vennétek vennének | venném vennéd venné vennénk vennétek vennék vennélek"},
    {"visz", 3, 0, "vinnék vinnél vinne vinnénk vinnétek vinnének | vinném vinnéd vinné vinnénk vinnétek vinnék vinnélek"},
    {"lesz", 3, 0, "lennék lennél lenne lennénk lennétek lennének | - - - - - - -"},
    {"ugrik", 3, 0, "ugranék ugranál ugrana ugranánk ugranátok ugranának | - - - - - - -"},
    {"fürdik", 3, 0, "fürdenék fürdenél fürdene fürdenénk fürdenétek fürdenének | - - - - - - -"},
    {"omlik", 3, 0, "omlanék omlanál omlana omlanánk omlanátok omlanának | - - - - - - -"},
    {"emlékszik", 3, 0, "emlékeznék emlékeznél emlékezne emlékeznénk emlékeznétek emlékeznének | - - - - - - -"},
    {"melegszik", 3, 0, "melegednék melegednél melegedne melegednénk melegednétek melegednének | - - - - - - -"},
    {"haragszik", 3, 0, "haragudnék haragudnál haragudna haragudnánk haragudnátok haragudnának | - - - - - - -"},
    {"sodor", 3, 0, "sodornék sodornál sodorna sodornánk sodornátok sodornának | sodornám sodornád sodorná sodornánk sodornátok sodornák (sodornálak)"},
    {"énekel", 3, 0, "énekelnék énekelnél énekelne énekelnénk énekelnétek énekelnének | énekelném énekelnéd énekelné énekelnénk énekelnétek énekelnék énekelnélek"},
    {"érez", 3, 0, "éreznék éreznél érezne éreznénk éreznétek éreznének | érezném éreznéd érezné éreznénk éreznétek éreznék éreznélek"},
    {"jegyez", 3, 0, "jegyeznék jegyeznél jegyezne jegyeznénk jegyeznétek jegyeznének | jegyezném jegyeznéd jegyezné jegyeznénk jegyeznétek jegyeznék jegyeznélek"},
    {"edz", 3, 0, "edzenék edzenél edzene edzenénk edzenétek edzenének | edzeném edzenéd edzené edzenénk edzenétek edzenék edzenélek"},
    {"fest", 3, 0, "festenék festenél festene festenénk festenétek festenének | festeném festenéd festené festenénk festenétek festenék festenélek"},
    {"izzik", 3, 0, "izzanék izzanál izzana izzanánk izzanátok izzanának | - - - - - - -"},
    {"játszik", 3, 0, "játszanék játszanál játszana játszanánk játszanátok játszanának | játszanám játszanád játszaná játszanánk játszanátok játszanák játszanálak"},
    {"mászik", 3, 0, "másznék másznál mászna másznánk másznátok másznának | - - - - - - -"},
    {"alapszik", 3, 0, "- - alapulna - - alapulnának | - - - - - - -"},
    {"csempész", 3, 0, "csempésznék csempésznél csempészne csempésznénk csempésznétek csempésznének | csempészném csempésznéd csempészné csempésznénk csempésznétek csempésznék csempésznélek"},
    {"metsz", 3, 0, "metszenék metszenél metszene metszenénk metszenétek metszenének | metszeném metszenéd metszené metszenénk metszenétek metszenék (metszenélek)"},
    {"ró", 3, 0, "rónék rónál róna rónánk rónátok rónának | rónám rónád róná rónánk rónátok rónák (rónálak)"},
    {"nyű", 3, 0, "nyűnék nyűnél nyűne nyűnénk nyűnétek nyűnének | nyűném nyűnéd nyűné nyűnénk nyűnétek nyűnék (nyűnélek)"},
    {"ül", 3, 0, "ülnék ülnél ülne ülnénk ülnétek ülnének | ülném ülnéd ülné ülnénk ülnétek ülnék (ülnélek)"},
    {"akaszt", 3, 0, "akasztanék akasztanál akasztana akasztanánk akasztanátok akasztanának | akasztanám akasztanád akasztaná akasztanánk akasztanátok akasztanák akasztanálak"},
    {"abajgat", 3, 0, "abajgatnék abajgatnál abajgatna abajgatnánk abajgatnátok abajgatnának | abajgatnám abajgatnád abajgatná abajgatnánk abajgatnátok abajgatnák abajgatnálak"},
    {"őriz", 3, 0, "őriznék őriznél őrizne őriznénk őriznétek őriznének | őrizném őriznéd őrizné őriznénk őriznétek őriznék őriznélek"},
    {"ad", 4, 0, "adjak adjál adjon adjunk adjatok adjanak | adjam adjad adja adjuk adjátok adják adjalak"},
    {"vár", 4, 0, "várjak várjál várjon várjunk várjatok várjanak | várjam várjad várja várjuk várjátok várják várjalak"},
    {"kér", 4, 0, "kérjek kérjél kérjen kérjünk kérjetek kérjenek | kérjem kérjed kérje kérjük kérjétek kérjék kérjelek"},
    {"küld", 4, 0, "küldjek küldjél küldjön küldjünk küldjetek küldjenek | küldjem küldjed küldje küldjük küldjétek küldjék küldjelek"},
    {"főz", 4, 0, "főzzek főzzél főzzön főzzünk főzzetek főzzenek | főzzem főzzed főzze főzzük főzzétek főzzék főzzelek"},
    {"olvas", 4, 0, "olvassak olvassál olvasson olvassunk olvassatok olvassanak | olvassam olvassad olvassa olvassuk olvassátok olvassák olvassalak"},
    {"néz", 4, 0, "nézzek nézzél nézzen nézzünk nézzetek nézzenek | nézzem nézzed nézze nézzük nézzétek nézzék nézzelek"},
    {"alszik", 4, 0, "aludjak aludjál aludjon aludjunk aludjatok aludjanak | aludjam aludjad aludja aludjuk aludjátok aludják (aludjalak)"},
    {"fekszik", 4, 0, "feküdjek feküdjél feküdjön feküdjünk feküdjetek feküdjenek | - - - - - - -"},
    {"eszik", 4, 0, "egyek egyél egyen együnk egyetek egyenek | egyem egyed egye együk egyétek egyék egyelek"},
    {"iszik", 4, 0, "igyak igyál igyon igyunk igyatok igyanak | igyam igyad igya igyuk igyátok igyák (igyalak)"},
    {"megy", 4, 0, "menjek menjél menjen menjünk menjetek menjenek | - - - - - - -"},
    {"jön", 4, 0, "jöjjek jöjjél jöjjön jöjjünk jöjjetek jöjjenek | - - - - - - -"},
    {"van", 4, 0, "legyek legyél legyen legyünk legyetek legyenek | - - - - - - -"},
    {"lő", 4, 0, "lőjek lőjél lőjön lőjünk lőjetek lőjenek | lőjem lőjed lője lőjük lőjétek lőjék lőjelek"},
    {"hisz", 4, 0, "higgyek higgyél higgyen higgyünk higgyetek higgyenek | higgyem higgyed higgye higgyük higgyétek higgyék higgyelek"},
    {"tesz", 4, 0, "tegyek tegyél tegyen tegyünk tegyetek tegyenek | tegyem tegyed tegye tegyük tegyétek tegyék tegyelek"},
    {"vesz", 4, 0, "vegyek vegyél vegyen vegyünk vegyetek vegyenek | vegyem vegyed vegye vegyük vegyétek vegyék vegyelek"},
    {"visz", 4, 0, "vigyek vigyél vigyen vigyünk vigyetek vigyenek | vigyem vigyed vigye vigyük vigyétek vigyék vigyelek"},
    {"lesz", 4, 0, "legyek legyél legyen legyünk legyetek legyenek | - - - - - - -"},
    {"ugrik", 4, 0, "ugorjak ugorjál ugorjon ugorjunk ugorjatok ugorjanak | - - - - - - -"},
    {"fürdik", 4, 0, "fürödjek fürödjél fürödjön fürödjünk fürödjetek fürödjenek | - - - - - - -"},
    {"omlik", 4, 0, "omoljak omoljál omoljon omoljunk omoljatok omoljanak | - - - - - - -"},
    {"emlékszik", 4, 0, "emlékezzek emlékezzél emlékezzen emlékezzünk emlékezzetek emlékezzenek | - - - - - - -"},
    {"melegszik", 4, 0, "melegedjek melegedjél melegedjen melegedjünk melegedjetek melegedjenek | - - - - - - -"},
    {"haragszik", 4, 0, "haragudjak haragudjál haragudjon haragudjunk haragudjatok haragudjanak | - - - - - - -"},
    {"sodor", 4, 0, "sodorjak sodorjál sodorjon sodorjunk sodorjatok sodorjanak | sodorjam sodorjad sodorja sodorjuk sodorjátok sodorják (sodorjalak)"},
    {"énekel", 4, 0, "énekeljek énekeljél énekeljen énekeljünk énekeljetek énekeljenek | énekeljem énekeljed énekelje énekeljük énekeljétek énekeljék énekeljelek"},
    {"érez", 4, 0, "érezzek érezzél érezzen érezzünk érezzetek érezzenek | érezzem érezzed érezze érezzük érezzétek érezzék érezzelek"},
    {"jegyez", 4, 0, "jegyezzek jegyezzél jegyezzen jegyezzünk jegyezzetek jegyezzenek | jegyezzem jegyezzed jegyezze jegyezzük jegyezzétek jegyezzék jegyezzelek"},
    {"edz", 4, 0, "eddzek eddzél eddzen eddzünk eddzetek eddzenek | eddzem eddzed eddze eddzük eddzétek eddzék eddzelek"},
    {"fest", 4, 0, "fessek fessél fessen fessünk fessetek fessenek | fessem fessed fesse fessük fessétek fessék fesselek"},
    {"izzik", 4, 0, "izzak izzál izzon izzunk izzatok izzanak | - - - - - - -"},
    {"játszik", 4, 0, "játsszak játsszál játsszon játsszunk játsszatok játsszanak | játsszam játsszad játssza játsszuk játsszátok játsszák játsszalak"},
    {"mászik", 4, 0, "másszak másszál másszon másszunk másszatok másszanak | - - - - - - -"},
    {"alapszik", 4, 0, "- - alapuljon - - alapuljanak | - - - - - - -"},
    {"csempész", 4, 0, "csempésszek csempésszél csempésszen csempésszünk csempésszetek csempésszenek | csempésszem csempésszed csempéssze csempésszük csempésszétek csempésszék csempésszelek"},
    {"metsz", 4, 0, "metsszek metsszél metsszen metsszünk metsszetek metsszenek | metsszem metsszed metssze metsszük metsszétek metsszék (metsszelek)"},
    {"ró", 4, 0, "rójak rójál rójon rójunk rójatok rójanak | rójam rójad rója rójuk rójátok róják (rójalak)"},
    {"nyű", 4, 0, "nyűjek nyűjél nyűjön nyűjünk nyűjetek nyűjenek | nyűjem nyűjed nyűje nyűjük nyűjétek nyűjék (nyűjelek)"},
    {"ül", 4, 0, "üljek üljél üljön üljünk üljetek üljenek | üljem üljed ülje üljük üljétek üljék (üljelek)"},
    {"akaszt", 4, 0, "akasszak akasszál akasszon akasszunk akasszatok akasszanak | akasszam akasszad akassza akasszuk akasszátok akasszák akasszalak"},
    {"abajgat", 4, 0, "abajgassak abajgassál abajgasson abajgassunk abajgassatok abajgassanak | abajgassam abajgassad abajgassa abajgassuk abajgassátok abajgassák abajgassalak"},
    {"őriz", 4, 0, "őrizzek őrizzél őrizzen őrizzünk őrizzetek őrizzenek | őrizzem őrizzed őrizze őrizzük őrizzétek őrizzék őrizzelek"},
    {"fekszik", 1, kObjective, "fekszem fekszel fekszik fekszünk fekszetek fekszenek | fekszem fekszed fekszi feküsszük fekszitek fekszik (feküszlek)"},
    {"alapszik", 1, kAllPersons | kObjective, "alapszok alapszol alapszik alapszunk alapszotok alapszanak | alapszom alapszod alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {"alapszik", 2, kAllPersons | kObjective, "alapultam alapultál alapult alapultunk alapultatok alapultak | alapultam alapultad alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {"alapszik", 3, kAllPersons | kObjective, "alapulnék alapulnál alapulna alapulnánk alapulnátok alapulnának | alapulnám alapulnád alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {"alapszik", 4, kAllPersons | kObjective, "alapuljak alapuljál alapuljon alapuljunk alapuljatok alapuljanak | alapuljam alapuljad alapulja alapuljuk alapuljátok alapulják (alapullak)"},
    {"érzik", 1, kAllPersons, "érzem érzel érzik érzünk érzetek érzenek | - - - - - - -"},
    {"akaródzik", 1, kAllPersons, "akaródzom akaródzol akaródzik akaródzunk akarództok akaródznak | - - - - - - -"},
};

class TableCells : public ::testing::TestWithParam<CellsCase> {};

TEST_P(TableCells, EveryCellAsTheWindowShowsIt) {
  const CellsCase& c = GetParam();
  WindowSession session;
  session.request(c.verb, c.mood);
  if ((c.toggles & kAllPersons) && session.w().allPersonsToggle().visible) session.w().toggleAllPersons();
  if ((c.toggles & kObjective) && session.w().objectiveToggle().visible) session.w().toggleObjective();
  EXPECT_EQ(session.cells(), expectedCells(c.cells));
  EXPECT_EQ(session.s().shown.table.cell(7, 1), "");
}

INSTANTIATE_TEST_SUITE_P(Verbs, TableCells, ::testing::ValuesIn(kCases), caseName);

TEST(TableCellsOfAlapszik, AStrippedPreverbStandsBeforeTheFixedFormsInEveryMood) {
  for (int mood = 1; mood <= 4; ++mood) {
    WindowSession session;
    session.request("megalapszik", mood);
    session.w().toggleAllPersons();  // every person and the objective column anyway
    session.w().toggleObjective();
    const char* expected[] = {"  megalapulja", "  megalapuljuk", "  megalapuljátok", "  megalapulják",
                              "  (megalapullak)"};
    for (int row = 3; row <= 7; ++row) {
      EXPECT_EQ(session.s().shown.table.cell(row, 2), expected[row - 3]) << mood << "," << row;
    }
  }
}

TEST(TableCellsOfAlapszik, AStrippedPreverbKeepsTheStemAlapulOutsideThePresent) {
  const char* expected[] = {"", "",
                            "  megalapultam  megalapult  megalapultunk",
                            "  megalapulnék  megalapulna  megalapulnánk",
                            "  megalapuljak  megalapuljon  megalapuljunk"};
  for (int mood = 2; mood <= 4; ++mood) {
    WindowSession session;
    session.request("megalapszik", mood);
    session.w().toggleAllPersons();  // every person
    const auto& t = session.s().shown.table;
    EXPECT_EQ(t.cell(1, 1) + t.cell(3, 1) + t.cell(4, 1), expected[mood]) << mood;
  }
}

}  // namespace
}  // namespace ragozo::testing
