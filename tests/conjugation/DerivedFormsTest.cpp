// The eight derived forms of the verbs the rules name, as the boxes under the table show them.
//
// Each row is a verb (of the tests' lexicon when it has no code, else of a lexicon of its own),
// conjugated in the indicative present, and its boxes in the window's order: infinitive,
// adverbial participle, present participle, past participle, future participle, action noun,
// potential verb, causative verb.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "conjugation/Conjugate.h"
#include "lexicon/LexiconTestSupport.h"
#include "support/Conjugation.h"
#include "support/RecordingDialogs.h"
#include "support/ShownNames.h"

namespace ragozo::testing {
namespace {

constexpr const char* kNone = kNoSuchForm;

struct DerivedCase {
  CodedVerb verb;
  std::array<const char*, kDerivedBoxCount> boxes;
};

void expectBoxes(const DerivedCase& c, Mood mood = presentIndicative, const Toggles& toggles = {}) {
  const Shown shown = TypedEntry(c.verb).conjugate(mood, toggles);
  for (std::size_t box = 0; box < c.boxes.size(); ++box) expectBox(shown, static_cast<DerivedBox>(box), c.boxes[box]);
}

// The participles' and the adverbial participle's stems: the -szik verbs' own ("feküdni", "fekve",
// "alvó"), the short and irregular verbs' ("téve", "híve", "evve", "ivva", "menve"), the v-stem
// ("rovó", "fövő", "hívó", "nyüvő", "szívott"), "alapszik" on "alapul", and no adverbial
// participle or potential verb for a verb not used in the imperative ("árad"), bar "bocsájt".
const DerivedCase kStemsOfTheParticiples[] = {
    {{"alapszik", "11M158000"}, {"alapulni", "alapulva", "alapuló", "alapult", kNone, "alapulás", "alapulhat", "alapultat"}},
    {{"hív", "110107111"}, {"hívni", "híva", "hívó", "hívott", "hívandó", "hívás", "hívhat", "hívat"}},
    {{"fekszik", "12013c000"}, {"feküdni", "fekve", "fekvő", "feküdt", kNone, "fekvés", "fekhet", "fektet"}},
    {{"alszik", "11013c010"}, {"aludni", "alva", "alvó", "aludt", "alvandó", "alvás", "alhat", "altat"}},
    {{"bukik", "110150000"}, {"bukni", "bukva", "bukó", "bukott", kNone, "bukás", "bukhat", "buktat"}},
    {{"megy", "120199200"}, {"menni", "menve", "menő", "ment", kNone, "menetel / menés", "mehet", kNone}},
    {{"tesz", "120125011"}, {"tenni", "téve", "tevő", "tett", "teendő", "tétel / tevés", "tehet", "tetet"}},
    {{"vesz", "120125011"}, {"venni", "véve", "vevő", "vett", "veendő", "vétel / vevés", "vehet", "vetet"}},
    {{"visz", "120125011"}, {"vinni", "víve", "vivő", "vitt", "viendő", "vitel / vivés", "vihet", "vitet"}},
    {{"hisz", "120125011"}, {"hinni", "híve", "hívő", "hitt", "hiendő", "hívés", "hihet", "hitet"}},
    {{"eszik", "120137011"}, {"enni", "evve", "evő", "evett", "eendő", "evés", "ehet", "etet"}},
    {{"iszik", "110137012"}, {"inni", "ivva", "ivó", "ivott", "(ivandó)", "ivás", "ihat", "itat"}},
    {{"bocsájt", "11P113011"}, {"bocsájtani", "bocsájtva", "bocsájtó", "bocsájtott", "bocsájtandó", "bocsájtás", "bocsájthat", "bocsájtat"}},
    {{"árad", "11P101000"}, {"áradni", kNone, "áradó", "áradt", kNone, "áradás", kNone, "áradtat"}},
    {{"forog", "110208000"}, {"forogni", "forogva", "forgó", "forgott", "forgandó", "forgás", "foroghat", "forogtat"}},
    {{"ró", "110124012"}, {"róni", "róva", "rovó", "rótt", "rovandó", "rovás", "róhat", "rovat"}},
    {{"fő", "130124000"}, {"főni", "főve", "fövő", "főtt", kNone, "fövés", "főhet", "fövet"}},
    {{"hí", "110124011"}, {"híni", "híva", "hívó", "hívott", "hívandó", "hívás", "híhat", "hívat"}},
    {{"szí", "110124011"}, {"színi", "szíva", "szívó", "szívott", "szívandó", "szívás", "szíhat", "szívat"}},
    {{"nyű", "130124012"}, {"nyűni", "nyűve", "nyüvő", "nyűtt", "nyüvendő", "nyüvés", "nyűhet", "nyüvet"}},
    {{"elvesz", "220125011"}, {"elvenni", "elvéve", "elvevő", "elvett", "elveendő", "elvétel / elvevés", "elvehet", "elvetet"}},
    {{"cselekszik", "120133010"}, {"cselekedni", "cselekedve", "cselekvő", "cselekedett", "cselekedendő", "cselekvés", "cselekedhet", kNone}},
    {{"emlékszik", "120152000"}, {"emlékezni", "emlékezve", "emlékező", "emlékezett", kNone, "emlékezés", "emlékezhet", "emlékeztet"}},
    {{"adatik", "110151000"}, {"adatni", "adatva", kNone, "adatott", kNone, "adatás", "adathatik", kNone}},
};

// The action noun and the future participle ("cselekvés", "cselekedendő", "gyanakvás"; none after
// -dik and -tik but "születendő"), the potential verb ("adathatik"), and the causative: -at/-et
// after a consonant and t ("értet"), -tat/-tet after a vowel and t ("taníttat", "futtat") or by
// the code ("mutattat"), none for a verb that is a causative already ("futtat") or whose -at/-et
// is no root ("szeret"), bar the root -at/-et verbs ("nevettet", "siettet", "arattat").
const DerivedCase kNounPotentialAndCausative[] = {
    {{"gyanakszik", "110133000"}, {"gyanakodni", "gyanakodva", "gyanakvó", "gyanakodott", kNone, "gyanakvás", "gyanakodhat", kNone}},
    {{"születik", "120174000"}, {"születni", "születve", "születő", "született", "születendő", "születés", "születhet", kNone}},
    {{"fürdik", "130189100"}, {"fürdeni", "fürödve", "fürdő", "fürdött", kNone, "fürdés", "fürödhet", "fürdet"}},
    {{"igyekszik", "120152000"}, {"igyekezni", "igyekezve", "igyekvő", "igyekezett", kNone, "igyekezés", "igyekezhet", kNone}},
    {{"ért", "120113011"}, {"érteni", "értve", "értő", "értett", "értendő", "értés", "érthet", "értet"}},
    {{"tanít", "110112011"}, {"tanítani", "tanítva", "tanító", "tanított", "tanítandó", "tanítás", "taníthat", "taníttat"}},
    {{"fut", "110123011"}, {"futni", "futva", "futó", "futott", "futandó", "futás", "futhat", "futtat"}},
    {{"mutat", "110116211"}, {"mutatni", "mutatva", "mutató", "mutatott", "mutatandó", "mutatás", "mutathat", "mutattat"}},
    {{"elmatat", "110116011"}, {"elmatatni", "elmatatva", "elmatató", "elmatatott", "elmatatandó", "elmatatás", "elmatathat", "elmatattat"}},
    {{"futtat", "110116011"}, {"futtatni", "futtatva", "futtató", "futtatott", "futtatandó", "futtatás", "futtathat", kNone}},
    {{"nevet", "120116010"}, {"nevetni", "nevetve", "nevető", "nevetett", "nevetendő", "nevetés", "nevethet", "nevettet"}},
    {{"siet", "120116000"}, {"sietni", "sietve", "siető", "sietett", kNone, "sietés", "siethet", "siettet"}},
    {{"arat", "110116011"}, {"aratni", "aratva", "arató", "aratott", "aratandó", "aratás", "arathat", "arattat"}},
    {{"elhirdet", "220116011"}, {"elhirdetni", "elhirdetve", "elhirdető", "elhirdetett", "elhirdetendő", "elhirdetés", "elhirdethet", "elhirdettet"}},
    {{"szeret", "120116011"}, {"szeretni", "szeretve", "szerető", "szeretett", "szeretendő", "szeretés", "szerethet", kNone}},
    {{"faggat", "110116011"}, {"faggatni", "faggatva", "faggató", "faggatott", "faggatandó", "faggatás", "faggathat", "faggattat"}},
    {{"áll", "110102200"}, {"állni", "állva", "álló", "állt", kNone, "állás", "állhat", kNone}},
    {{"kér", "120101011"}, {"kérni", "kérve", "kérő", "kért", "kérendő", "kérés", "kérhet", "kértet"}},
};

// The fixed forms of the irregular verbs, a preverb kept in every box: "(lévén)", "való / levő",
// "menetel / menés", "(ivandó)"; jön's future participle only for "jön" and "eljön", and
// "sosincs", like "nincs", with no derived form at all.
const DerivedCase kIrregularVerbs[] = {
    {{"van", "110299200"}, {"lenni", "(lévén)", "való / levő", "volt / lett", "leendő", "lét / levés", "lehet", kNone}},
    {{"megvan", "210199200"}, {"meglenni", "(meglévén)", "megvaló / meglevő", "megvolt / meglett", "megleendő", "meglét / meglevés", "meglehet", kNone}},
    {{"lesz", "120225200"}, {"lenni", "(lévén)", "levő", "lett", "leendő", "lét / levés", "lehet", kNone}},
    {{"jön", "130299200"}, {"jönni", "jőve", "jövő", "jött", "jövendő", "jövetel / jövés", "jöhet", kNone}},
    {{"eljön", "230199200"}, {"eljönni", "eljőve", "eljövő", "eljött", "eljövendő", "eljövetel / eljövés", "eljöhet", kNone}},
    {{"bejön", "230199200"}, {"bejönni", "bejőve", "bejövő", "bejött", kNone, "bejövetel / bejövés", "bejöhet", kNone}},
    {{"elmegy", "220199200"}, {"elmenni", "elmenve", "elmenő", "elment", kNone, "elmenetel / elmenés", "elmehet", kNone}},
    {{"sosincs", "120199200"}, {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
    {{"elhisz", "220125011"}, {"elhinni", "elhíve", "elhívő", "elhitt", "elhiendő", "elhívés", "elhihet", "elhitet"}},
    {{"meghisz", "220125011"}, {"meghinni", "meghíve", "meghívő", "meghitt", "meghiendő", "meghívés", "meghihet", "meghitet"}},
};

// Causatives as the language has them: -tűnik and -szűnik shorten their vowel ("eltüntet"), an
// unstable vowel drops before -at/-et ("forgat", "görget") while -tat/-tet keeps it
// ("szivárogtat"), inchoative and reflexive verbs have none ("alkonyodik", "melegszik"), bar the
// few that have one ("elgondolkodtat", "működtet"). The nouns in use of verbs that keep their
// unstable vowel in the table: "rablás", "kirabló", "varázsló", "térdeplő" (not "darabló").
// "aránylik" under its first code's class "6d" takes the infinitive marker of "64".
const DerivedCase kCausativesAndNounsInUse[] = {
    {{"eltűnik", "230169000"}, {"eltűnni", "eltűnve", "eltűnő", "eltűnt", kNone, "eltűnés", "eltűnhet", "eltüntet"}},
    {{"megszűnik", "230169000"}, {"megszűnni", "megszűnve", "megszűnő", "megszűnt", kNone, "megszűnés", "megszűnhet", "megszüntet"}},
    {{"bízik", "110138000"}, {"bízni", "bízva", "bízó", "bízott", kNone, "bízás", "bízhat", "biztat"}},
    {{"forog", "110208100"}, {"forogni", "forogva", "forgó", "forgott", "forgandó", "forgás", "foroghat", "forgat"}},
    {{"görög", "130108100"}, {"görögni", "görögve", "görgő", "görgött", kNone, "görgés", "göröghet", "görget"}},
    {{"szivárog", "110108000"}, {"szivárogni", "szivárogva", "szivárgó", "szivárgott", kNone, "szivárgás", "szivároghat", "szivárogtat"}},
    {{"vezényel", "120105011"}, {"vezényelni", "vezényelve", "vezénylő", "vezényelt", "vezénylendő", "vezénylés", "vezényelhet", "vezényeltet"}},
    {{"alkonyodik", "11O131000"}, {"alkonyodni", "alkonyodva", "alkonyodó", "alkonyodott", kNone, "alkonyodás", "alkonyodhat", kNone}},
    {{"öregedik", "120131000"}, {"öregedni", "öregedve", "öregedő", "öregedett", kNone, "öregedés", "öregedhet", kNone}},
    {{"mosakodik", "110131000"}, {"mosakodni", "mosakodva", "mosakodó", "mosakodott", kNone, "mosakodás", "mosakodhat", kNone}},
    {{"melegszik", "12013a000"}, {"melegedni", "melegedve", "melegedő", "melegedett", kNone, "melegedés", "melegedhet", kNone}},
    {{"haragszik", "110133000"}, {"haragudni", "haragudva", "haragudó", "haragudott", kNone, "haragudás", "haragudhat", kNone}},
    {{"elgondolkodik", "210131000"}, {"elgondolkodni", "elgondolkodva", "elgondolkodó", "elgondolkodott", kNone, "elgondolkodás", "elgondolkodhat", "elgondolkodtat"}},
    {{"működik", "130131000"}, {"működni", "működve", "működő", "működött", kNone, "működés", "működhet", "működtet"}},
    {{"rabol", "110101011"}, {"rabolni", "rabolva", "rabló", "rabolt", "rabolandó", "rablás", "rabolhat", "raboltat"}},
    {{"kirabol", "210101011"}, {"kirabolni", "kirabolva", "kirabló", "kirabolt", "kirabolandó", "kirablás", "kirabolhat", "kiraboltat"}},
    {{"darabol", "110101011"}, {"darabolni", "darabolva", "daraboló", "darabolt", "darabolandó", "darabolás", "darabolhat", "daraboltat"}},
    {{"varázsol", "110101011"}, {"varázsolni", "varázsolva", "varázsló", "varázsolt", "varázsolandó", "varázslás", "varázsolhat", "varázsoltat"}},
    {{"térdepel", "120101000"}, {"térdepelni", "térdepelve", "térdeplő", "térdepelt", kNone, "térdepelés", "térdepelhet", "térdepeltet"}},
    {{"átaluszik", "21013c010"}, {"átaludni", "átaluszva", "átaluszó", "átaludt", "átaluszandó", "átaluszás", "átaluszhat", "átalusztat"}},
    {{"aránylik", "11N16d200"}, {"aránylani", "aránylva", "arányló", "aránylott", kNone, "aránylás", "aránylhat", kNone}},
};

// Each verb a rule of the derived forms names by itself, with its code in the built-in lexicon,
// where that rule decides its box: the roots in -at/-et, which take -tat/-tet ("avattat",
// "mulattat", "fürdettet"), and the roots in -tat/-tet, which are no causatives already
// ("kutattat", "folytattat"); the -lik verbs whose causative keeps the stem ("ihlet", "oszlat",
// "siklat"); the -szik verbs whose present participle and action noun take the v-stem ("dicsekvő",
// "törekvés") or do not ("növekedő"); "sarabol", which keeps its vowel ("saraboló"); and a stem in
// a long vowel and t, which takes -tat/-tet ("fűttet", "véttet").
const DerivedCase kVerbsTheRulesName[] = {
    {{"fűt", "130112011"}, {"fűteni", "fűtve", "fűtő", "fűtött", "fűtendő", "fűtés", "fűthet", "fűttet"}},
    {{"vét", "120112011"}, {"véteni", "vétve", "vétő", "vétett", "vétendő", "vétés", "véthet", "véttet"}},
    {{"avat", "110116011"}, {"avatni", "avatva", "avató", "avatott", "avatandó", "avatás", "avathat", "avattat"}},
    {{"mulat", "110116012"}, {"mulatni", "mulatva", "mulató", "mulatott", "mulatandó", "mulatás", "mulathat", "mulattat"}},
    {{"sirat", "110116011"}, {"siratni", "siratva", "sirató", "siratott", "siratandó", "siratás", "sirathat", "sirattat"}},
    {{"tolat", "110116012"}, {"tolatni", "tolatva", "tolató", "tolatott", "tolatandó", "tolatás", "tolathat", "tolattat"}},
    {{"ugrat", "110116011"}, {"ugratni", "ugratva", "ugrató", "ugratott", "ugratandó", "ugratás", "ugrathat", "ugrattat"}},
    {{"vallat", "110116011"}, {"vallatni", "vallatva", "vallató", "vallatott", "vallatandó", "vallatás", "vallathat", "vallattat"}},
    {{"zaklat", "110116011"}, {"zaklatni", "zaklatva", "zaklató", "zaklatott", "zaklatandó", "zaklatás", "zaklathat", "zaklattat"}},
    {{"fürdet", "120116011"}, {"fürdetni", "fürdetve", "fürdető", "fürdetett", "fürdetendő", "fürdetés", "fürdethet", "fürdettet"}},
    {{"reszket", "120116000"}, {"reszketni", "reszketve", "reszkető", "reszketett", kNone, "reszketés", "reszkethet", "reszkettet"}},
    {{"viszket", "120116000"}, {"viszketni", "viszketve", "viszkető", "viszketett", kNone, "viszketés", "viszkethet", "viszkettet"}},
    {{"kutat", "110116211"}, {"kutatni", "kutatva", "kutató", "kutatott", "kutatandó", "kutatás", "kutathat", "kutattat"}},
    {{"oktat", "110116211"}, {"oktatni", "oktatva", "oktató", "oktatott", "oktatandó", "oktatás", "oktathat", "oktattat"}},
    {{"vitat", "110116211"}, {"vitatni", "vitatva", "vitató", "vitatott", "vitatandó", "vitatás", "vitathat", "vitattat"}},
    {{"iktat", "110116211"}, {"iktatni", "iktatva", "iktató", "iktatott", "iktatandó", "iktatás", "iktathat", "iktattat"}},
    {{"firtat", "110116211"}, {"firtatni", "firtatva", "firtató", "firtatott", "firtatandó", "firtatás", "firtathat", "firtattat"}},
    {{"méltat", "110116211"}, {"méltatni", "méltatva", "méltató", "méltatott", "méltatandó", "méltatás", "méltathat", "méltattat"}},
    {{"biztat", "110116211"}, {"biztatni", "biztatva", "biztató", "biztatott", "biztatandó", "biztatás", "biztathat", "biztattat"}},
    {{"koptat", "110116212"}, {"koptatni", "koptatva", "koptató", "koptatott", "koptatandó", "koptatás", "koptathat", "koptattat"}},
    {{"baktat", "110116200"}, {"baktatni", "baktatva", "baktató", "baktatott", kNone, "baktatás", "baktathat", "baktattat"}},
    {{"folytat", "110116211"}, {"folytatni", "folytatva", "folytató", "folytatott", "folytatandó", "folytatás", "folytathat", "folytattat"}},
    {{"nyomtat", "110116212"}, {"nyomtatni", "nyomtatva", "nyomtató", "nyomtatott", "nyomtatandó", "nyomtatás", "nyomtathat", "nyomtattat"}},
    {{"szoptat", "110116211"}, {"szoptatni", "szoptatva", "szoptató", "szoptatott", "szoptatandó", "szoptatás", "szoptathat", "szoptattat"}},
    {{"caflat", "110116000"}, {"caflatni", "caflatva", "caflató", "caflatott", kNone, "caflatás", "caflathat", "caflattat"}},
    {{"caplat", "110116000"}, {"caplatni", "caplatva", "caplató", "caplatott", kNone, "caplatás", "caplathat", "caplattat"}},
    {{"koslat", "110116000"}, {"koslatni", "koslatva", "koslató", "koslatott", kNone, "koslatás", "koslathat", "koslattat"}},
    {{"vizslat", "110116011"}, {"vizslatni", "vizslatva", "vizslató", "vizslatott", "vizslatandó", "vizslatás", "vizslathat", "vizslattat"}},
    {{"rigyet", "12M116000"}, {"rigyetni", "rigyetve", "rigyető", "rigyetett", kNone, "rigyetés", "rigyethet", "rigyettet"}},
    {{"katat", "110116212"}, {"katatni", "katatva", "katató", "katatott", "katatandó", "katatás", "katathat", "katattat"}},
    {{"ihlik", "12P164100"}, {"ihleni", kNone, "ihlő", "ihlett", kNone, "ihlés", kNone, "ihlet"}},
    {{"oszlik", "110164100"}, {"oszlani", "oszolva", "oszló", "oszlott", kNone, "oszlás", "oszolhat", "oszlat"}},
    {{"siklik", "11Q164100"}, {"siklani", kNone, "sikló", "siklott", kNone, "siklás", kNone, "siklat"}},
    {{"növekszik", "120133000"}, {"növekedni", "növekedve", "növekedő", "növekedett", kNone, "növekedés", "növekedhet", kNone}},
    {{"dicsekszik", "120133000"}, {"dicsekedni", "dicsekedve", "dicsekvő", "dicsekedett", kNone, "dicsekvés", "dicsekedhet", kNone}},
    {{"törekszik", "120133000"}, {"törekedni", "törekedve", "törekvő", "törekedett", kNone, "törekvés", "törekedhet", kNone}},
    {{"sarabol", "110101011"}, {"sarabolni", "sarabolva", "saraboló", "sarabolt", "sarabolandó", "sarabolás", "sarabolhat", "saraboltat"}},
};

// A verb of each class of the built-in lexicon that the verbs above do not stand for, with its code
// there: each class's own rules of the stems the boxes start from decide a form here. The causative
// of esküszik is "esket" ("megesketi").
const DerivedCase kClassesOfTheBuiltInLexicon[] = {
    {{"akaszt", "110114011"}, {"akasztani", "akasztva", "akasztó", "akasztott", "akasztandó", "akasztás", "akaszthat", "akasztat"}},
    {{"hall", "110103111"}, {"hallani", "hallva", "halló", "hallott", "hallandó", "hallás", "hallhat", "hallat"}},
    {{"ajánl", "110104011"}, {"ajánlani", "ajánlva", "ajánló", "ajánlott", "ajánlandó", "ajánlás", "ajánlhat", "ajánltat"}},
    {{"sodor", "110106012"}, {"sodorni", "sodorva", "sodró", "sodort", "sodrandó", "sodrás", "sodorhat", "sodortat"}},
    {{"cseng", "120109100"}, {"csengeni", "csengve", "csengő", "csengett", kNone, "csengés", "csenghet", "csenget"}},
    {{"küld", "130110111"}, {"küldeni", "küldve", "küldő", "küldött", "küldendő", "küldés", "küldhet", "küldet"}},
    {{"támad", "110111211"}, {"támadni", "támadva", "támadó", "támadt", "támadandó", "támadás", "támadhat", kNone}},
    {{"fest", "120115011"}, {"festeni", "festve", "festő", "festett", "festendő", "festés", "festhet", "festet"}},
    {{"olvas", "110117011"}, {"olvasni", "olvasva", "olvasó", "olvasott", "olvasandó", "olvasás", "olvashat", "olvastat"}},
    {{"néz", "120118111"}, {"nézni", "nézve", "néző", "nézett", "nézendő", "nézés", "nézhet", "nézet"}},
    {{"érez", "120119011"}, {"érezni", "érezve", "érző", "érzett", "érzendő", "érzés", "érezhet", "éreztet"}},
    {{"edz", "120120111"}, {"edzeni", "edzve", "edző", "edzett", "edzendő", "edzés", "edzhet", "edzet"}},
    {{"csempész", "120121011"}, {"csempészni", "csempészve", "csempésző", "csempészett", "csempészendő", "csempészés", "csempészhet", "csempésztet"}},
    {{"metsz", "120122012"}, {"metszeni", "metszve", "metsző", "metszett", "metszendő", "metszés", "metszhet", "metsztet"}},
    {{"veszt", "120126011"}, {"veszteni", "vesztve", "vesztő", "vesztett", "vesztendő", "vesztés", "veszthet", "vesztet"}},
    {{"lapít", "110127011"}, {"lapítani", "lapítva", "lapító", "lapított", "lapítandó", "lapítás", "lapíthat", "lapíttat"}},
    {{"vonz", "110128111"}, {"vonzani", "vonzva", "vonzó", "vonzott", "vonzandó", "vonzás", "vonzhat", "vonzat"}},
    {{"bocsát", "110129011"}, {"bocsátani", "bocsátva", "bocsátó", "bocsátott", "bocsátandó", "bocsátás", "bocsáthat", "bocsáttat"}},
    {{"vész", "12012a200"}, {"veszni", "veszve", "vesző", "veszett", kNone, "veszés", "veszhet", kNone}},
    {{"igyekezik", "120130000"}, {"igyekezni", "igyekezve", "igyekező", "igyekezett", kNone, "igyekezés", "igyekezhet", "igyekeztet"}},
    {{"verekedik", "120132000"}, {"verekedni", "verekedve", "verekedő", "verekedett", kNone, "verekedés", "verekedhet", kNone}},
    {{"nőszik", "130134200"}, {"nőszni", "nőszve", "nősző", "nőszött", kNone, "nőszés", "nőszhet", kNone}},
    {{"játszik", "110135111"}, {"játszani", "játszva", "játszó", "játszott", "játszandó", "játszás", "játszhat", "játszat"}},
    {{"tetszik", "120136200"}, {"tetszeni", "tetszve", "tetsző", "tetszett", kNone, "tetszés", "tetszhet", kNone}},
    {{"késik", "120139200"}, {"késni", "késve", "késő", "késett", kNone, "késés", "késhet", kNone}},
    {{"esküszik", "13013b000"}, {"esküdni", "esküdve", "esküvő", "esküdött", kNone, "esküvés", "esküdhet", "esket"}},
    {{"megesküszik", "23013b000"}, {"megesküdni", "megesküdve", "megesküvő", "megesküdött", kNone, "megesküvés", "megesküdhet", "megesket"}},
    {{"akaródzik", "11O140000"}, {"akaródzni", "akaródzva", "akaródzó", "akaródzott", kNone, "akaródzás", "akaródzhat", "akarództat"}},
    {{"ugrik", "110142100"}, {"ugrani", "ugorva", "ugró", "ugrott", kNone, "ugrás", "ugorhat", "ugrat"}},
    {{"hangzik", "11M144200"}, {"hangzani", "hangozva", "hangzó", "hangzott", kNone, "hangzás", "hangozhat", kNone}},
    {{"dohányzik", "11014a000"}, {"dohányozni", "dohányozva", "dohányzó", "dohányzott", kNone, "dohányzás", "dohányozhat", "dohányoztat"}},
    {{"hazudik", "110154012"}, {"hazudni", "hazudva", "hazudó", "hazudott", kNone, "hazudás", "hazudhat", "hazudtat"}},
    {{"horgászik", "110157010"}, {"horgászni", "horgászva", "horgászó", "horgászott", "horgászandó", "horgászás", "horgászhat", "horgásztat"}},
    {{"fogamzik", "11N159000"}, {"fogamzani", "fogamzva", "fogamzó", "fogamzott", kNone, "fogamzás", "fogamzhat", "fogamztat"}},
    {{"napozik", "110161000"}, {"napozni", "napozva", "napozó", "napozott", kNone, "napozás", "napozhat", "napoztat"}},
    {{"bukdosik", "110162000"}, {"bukdosni", "bukdosva", "bukdosó", "bukdosott", kNone, "bukdosás", "bukdoshat", "bukdostat"}},
    {{"omlik", "110164200"}, {"omlani", "omolva", "omló", "omlott", kNone, "omlás", "omolhat", kNone}},
    {{"viharzik", "110167000"}, {"viharzani", "viharozva", "viharzó", "viharzott", kNone, "viharzás", "viharozhat", "viharoztat"}},
    {{"fingik", "110168100"}, {"fingani", "fingva", "fingó", "fingott", kNone, "fingás", "finghat", "fingat"}},
    {{"izzik", "11016a200"}, {"izzani", "izzva", "izzó", "izzott", kNone, "izzás", "izzhat", kNone}},
    {{"bújik", "110170000"}, {"bújni", "bújva", "bújó", "bújt", kNone, "bújás", "bújhat", "bújtat"}},
    {{"hullik", "110172200"}, {"hullani", "hullva", "hulló", "hullott", kNone, "hullás", "hullhat", kNone}},
    {{"érik", "120173200"}, {"érni", "érve", "érő", "érett", kNone, "érés", "érhet", kNone}},
    {{"egybeilleszkedik", "220177000"}, {"egybeilleszkedni", "egybeilleszkedve", "egybeilleszkedő", "egybeilleszkedett", kNone, "egybeilleszkedés", "egybeilleszkedhet", kNone}},
    {{"mászik", "110180100"}, {"mászni", "mászva", "mászó", "mászott", kNone, "mászás", "mászhat", "mászat"}},
    {{"bagzik", "11N182100"}, {"bagzani", "bagzva", "bagzó", "bagzott", kNone, "bagzás", "bagzhat", "bagzat"}},
    {{"sakkozik", "110184000"}, {"sakkozni", "sakkozva", "sakkozó", "sakkozott", kNone, "sakkozás", "sakkozhat", "sakkoztat"}},
    {{"bujdosik", "110185000"}, {"bujdosni", "bujdosva", "bujdosó", "bujdosott", kNone, "bujdosás", "bujdoshat", "bujdostat"}},
    {{"haldoklik", "11018d000"}, {"haldokolni", "haldokolva", "haldokló", "haldoklott", kNone, "haldoklás", "haldokolhat", "haldokoltat"}},
    {{"érzik", "12M190200"}, {"érzeni", "érezve", "érző", "érzett", kNone, "érzés", "érezhet", kNone}},
    {{"mosdik", "110191100"}, {"mosdani", "mosdva", "mosdó", "mosdott", kNone, "mosdás", "mosdhat", "mosdat"}},
    {{"lakik", "110196010"}, {"lakni", "lakva", "lakó", "lakott", "lakandó", "lakás", "lakhat", "laktat"}},
};

TEST(DerivedForms, TheStemsOfTheParticiples) {
  for (const DerivedCase& c : kStemsOfTheParticiples) expectBoxes(c);
}

TEST(DerivedForms, TheNounThePotentialAndTheCausative) {
  for (const DerivedCase& c : kNounPotentialAndCausative) expectBoxes(c);
}

TEST(DerivedForms, TheIrregularVerbs) {
  for (const DerivedCase& c : kIrregularVerbs) expectBoxes(c);
}

TEST(DerivedForms, CausativesAndNounsInUse) {
  for (const DerivedCase& c : kCausativesAndNounsInUse) expectBoxes(c);
}

TEST(DerivedForms, TheVerbsTheRulesName) {
  for (const DerivedCase& c : kVerbsTheRulesName) expectBoxes(c);
}

TEST(DerivedForms, AVerbOfEveryClassOfTheBuiltInLexicon) {
  for (const DerivedCase& c : kClassesOfTheBuiltInLexicon) expectBoxes(c);
}

// Every class the built-in lexicon holds has a row above, so that each rule a class has of its own
// in the derived forms decides a box they check.
TEST(DerivedForms, EveryClassOfTheBuiltInLexiconHasARow) {
  std::set<std::string> rows;
  for (const auto& table : {std::span<const DerivedCase>(kStemsOfTheParticiples),
                            std::span<const DerivedCase>(kNounPotentialAndCausative),
                            std::span<const DerivedCase>(kIrregularVerbs),
                            std::span<const DerivedCase>(kCausativesAndNounsInUse),
                            std::span<const DerivedCase>(kVerbsTheRulesName),
                            std::span<const DerivedCase>(kClassesOfTheBuiltInLexicon)}) {
    for (const DerivedCase& c : table) {
      if (c.verb.code) rows.insert(std::string(c.verb.code).substr(4, 2));
    }
  }
  EXPECT_EQ(lexicontest::classesMissingFrom(rows), "") << "classes without a row";
}

// The future participle of a verb not used in the objective conjugation stands while the
// objective column is shown anyway, its -v- stem as -od-/-ed- ("gyanakodandó", "dicsekedendő"); the
// -dik and -tik verbs have none even then, bar "születendő".
TEST(DerivedForms, TheObjectiveShownAnywayKeepsTheFutureParticiple) {
  const std::pair<CodedVerb, const char*> cases[] = {{{"gyanakszik", "110133000"}, "gyanakodandó"},
                                                     {{"születik", "120174200"}, "születendő"},
                                                     {{"adatik", "11N151200"}, kNone},
                                                     {{"fürdik", "130189100"}, kNone},
                                                     {{"dicsekszik", "120133000"}, "dicsekedendő"},
                                                     {{"törekszik", "120133000"}, "törekedendő"}};
  for (const auto& [verb, futureParticiple] : cases) {
    const Shown shown = TypedEntry(verb).conjugate(presentIndicative, {.objective = true});
    expectBox(shown, futureParticipleBox, futureParticiple);
  }
}

// A lexicon of one's own can hold a verb of one letter: its t is the stem's final t, which asks
// for the short causative, and no rule reads before the verb's start.
TEST(DerivedForms, AOneLetterVerbKeepsToItsOwnLetter) {
  expectBoxes({{"t", "110114011"}, {"tani", "tva", "tó", "tott", "tandó", "tás", "that", "tat"}});
}

// The boxes belong to the verb, not to the tense and mood the table shows.
TEST(DerivedForms, EveryTenseAndMoodShowsTheSameBoxes) {
  const DerivedCase cases[] = {
      {{"alszik", "11013c010"}, {"aludni", "alva", "alvó", "aludt", "alvandó", "alvás", "alhat", "altat"}},
      {{"alapszik", "11M158000"}, {"alapulni", "alapulva", "alapuló", "alapult", kNone, "alapulás", "alapulhat", "alapultat"}},
      {{"van", "110299200"}, {"lenni", "(lévén)", "való / levő", "volt / lett", "leendő", "lét / levés", "lehet", kNone}},
      {{"fürdik", "130189100"}, {"fürdeni", "fürödve", "fürdő", "fürdött", kNone, "fürdés", "fürödhet", "fürdet"}},
  };
  for (const DerivedCase& c : cases) {
    for (Mood mood : {pastIndicative, presentConditional, imperative}) expectBoxes(c, mood);
  }
}

// The boxes a verb of the built-in lexicon shows in a tense and mood, with the toggles given pressed.
DerivedBoxes boxesOf(const std::string& verb, Mood mood, const TogglesPressed& toggles) {
  Request request;
  request.entry = verb;
  request.mood = mood;
  request.toggles = toggles;
  EntryMemory memory;
  RecordingDialogs dialogs;  // the meaning question takes its default answer
  const ConjugationResult result = conjugate(request, memory, lexicontest::filledLexicon(), dialogs);
  return result.boxes ? *result.boxes : DerivedBoxes{};
}

// The same over every verb of the built-in lexicon, whose classes and stems the few verbs above
// cannot all stand for, with no toggle pressed and with every one that shows what a restriction
// leaves out.
TEST(DerivedForms, EveryVerbOfTheBuiltInLexiconShowsTheSameBoxesInEveryTenseAndMood) {
  std::vector<std::string> differing;
  std::size_t verbs = 0;
  for (int group = 0; group < kLetterGroupCount; ++group) {
    for (const auto& entry : lexicontest::verbsOf(lexicontest::filledLexicon(), group)) {
      ++verbs;
      const std::string& verb = entry.second;
      for (const TogglesPressed toggles : {TogglesPressed{}, TogglesPressed{true, true, true}}) {
        const DerivedBoxes present = boxesOf(verb, presentIndicative, toggles);
        for (Mood mood : {pastIndicative, presentConditional, imperative}) {
          const DerivedBoxes shown = boxesOf(verb, mood, toggles);
          for (std::size_t box = 0; box < kDerivedBoxCount; ++box) {
            if (shown[box] == present[box]) continue;
            differing.push_back("\"" + verb + "\", " + boxName(static_cast<DerivedBox>(box)) + ": \"" + present[box] +
                                "\" in the indicative present, \"" + shown[box] + "\" in the " + moodName(mood));
          }
        }
      }
    }
  }
  ASSERT_GT(verbs, 15000u) << "the lexicon was not filled";
  std::string examples;
  for (std::size_t i = 0; i < differing.size() && i < 10; ++i) examples += "\n  " + differing[i];
  EXPECT_TRUE(differing.empty()) << differing.size() << " boxes differ between tenses and moods:" << examples;
}

}  // namespace
}  // namespace ragozo::testing
