// How a typed entry is taken: refused, found, found without its preverb, guessed or not found,
// with the message boxes and notices each way shows, and the meaning question of the homonyms.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "conjugation/Conjugate.h"
#include "support/Conjugation.h"
#include "support/FixtureLexicon.h"
#include "support/RecordingDialogs.h"

namespace ragozo::testing {
namespace {

using Dialogs = std::vector<std::string>;

constexpr const char* kGuessedNotice = "A forma alapján feltételezett igealakok:";
constexpr const char* kPrefixedNotice = "Feltételezett igekötős változat:";
constexpr const char* kPotentialNotice = "Ható igéből csak folyamatos melléknévi igenevet képzünk.";
constexpr const char* kEntryPrompt = "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ";
const Dialogs kGuessedDialogs{"beep",
                              "message: Ilyen ige nem szerepel az adatbázisban, de ha létezik, ragozása a következő:"};

std::string prefixedMessage(const std::string& remainder) {
  return "message: A(z) '" + remainder +
         "' ige ezzel az igekötővel nem szerepel az adatbázisban. De ha létezik, ragozása a következő.";
}

std::string meaningQuestion(bool teved) {
  return std::string("question [Jelentésválasztás]: A megfelelő gombra kattintva válassza ki az ige jelentését!\r\n") +
         (teved ? "'téved'  = 'nincs igaza' --> Igen\r\n'téved' = 'kerül (valahova) --> Nem"
                : "'ragad'  = 'tapad' --> Igen\r\n'ragad' = 'fog (valamit) --> Nem");
}

// Stacked suffixes that no verb carries: potential and causative together, double causatives,
// frequentatives stacked with either, a doubled "ul", "ül", "ít" or "ik". An entry shorter than
// such an ending is compared whole ("hatat"). Capitals are taken as their small letters.
TEST(FindingTheVerb, AnImpossibleEndingIsRefused) {
  for (const char* entry : {"olvashattat", "kérhettet", "olvashatat", "kérhetet", "hatat", "mostatat", "kérgetgat",
                            "kérhethet", "tanulul", "ülül", "ítít", "tanulít", "kerítul", "nemzikik", "kikörülül",
                            "hattat ", "Hatat", "ADHATTAT", "TANULÍT"}) {
    SCOPED_TRACE(entry);
    const Shown shown = conjugated(entry, presentIndicative);
    EXPECT_EQ(shown.end, ConjugationEnd::refused);
    EXPECT_EQ(shown.dialogs, Dialogs{"message: Nincs ilyen ige."});
    EXPECT_TRUE(shown.formsEmpty());
  }
}

// "megetet" ends in "getet" and "körülül" doubles "ül", but both are verbs of the lexicon.
TEST(FindingTheVerb, OrdinaryEndingsAndLexiconVerbsAreNotRefused) {
  for (const char* entry : {"körülül", "megetet", "olvastat", "kérhet", "tanul", "ül", "ad", "Körülül"}) {
    SCOPED_TRACE(entry);
    EXPECT_EQ(conjugated(entry, presentIndicative).end, ConjugationEnd::shown);
  }
}

TEST(FindingTheVerb, AnEntryOfBlanksShowsThePromptAndNothingElse) {
  for (const char* entry : {"", "   ", "\t"}) {
    SCOPED_TRACE(entry);
    const Shown shown = conjugated(entry, presentIndicative);
    EXPECT_TRUE(shown.dialogs.empty());
    EXPECT_TRUE(shown.formsEmpty());
    EXPECT_EQ(shown.notice, kEntryPrompt);
    for (const std::string& box : shown.boxes) EXPECT_EQ(box, "");
  }
}

// Blanks around the entry are no part of it; a capital, or Caps Lock, makes no other verb.
TEST(FindingTheVerb, ALexiconVerbIsFoundSilently) {
  struct Case {
    const char* entry;
    const char* firstSingular;
  };
  const Case cases[] = {{"ugrik", "  ugrom"}, {"  ugrik  ", "  ugrom"}, {"Ugrik", "  ugrom"}, {"UGRIK", "  ugrom"},
                        {"Eszik", "  eszem"}, {"ESZIK", "  eszem"}, {"Megy", "  megyek"}, {"Ír", "  írok"},
                        {"ÍR", "  írok"}, {"Alszik", "  alszom"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    const Shown shown = conjugated(c.entry, presentIndicative);
    EXPECT_TRUE(shown.dialogs.empty());
    expectCell(shown, 1, 1, c.firstSingular);
  }
}

// The lexicon holds only some compounds: a verb not found as typed is searched again without its
// preverb (blanks around the entry are no part of it), and said once per entry; the notice stays
// while the entry does.
TEST(FindingTheVerb, AVerbFoundWithoutItsPreverbIsAnnouncedOnce) {
  for (const char* typed : {"elír", "  elír ", "Elír", "ELÍR"}) {
    SCOPED_TRACE(typed);
    TypedEntry entry(typed);
    const Shown first = entry.conjugate(presentIndicative);
    EXPECT_EQ(first.dialogs, (Dialogs{"beep", prefixedMessage("ír")}));
    EXPECT_EQ(first.notice, kPrefixedNotice);
    expectCells(first, "elírok elírsz elír elírunk elírtok elírnak | elírom elírod elírja elírjuk elírjátok elírják elírlak");

    const Shown again = entry.conjugate(pastIndicative);
    EXPECT_TRUE(again.dialogs.empty());
    EXPECT_EQ(again.notice, kPrefixedNotice);
    expectCell(again, 1, 1, "  elírtam");
  }
}

// The preverb notice comes first; the meaning question of the verb found without its preverb
// follows, and its answer holds.
TEST(FindingTheVerb, APrefixedHomonymIsAnnouncedBeforeItsMeaningIsAsked) {
  const Shown shown = TypedEntry("felragad").conjugate(pastIndicative, {}, {false});
  EXPECT_EQ(shown.dialogs, (Dialogs{"beep", prefixedMessage("ragad"), meaningQuestion(false)}));
  EXPECT_EQ(shown.notice, kPrefixedNotice);
  expectCell(shown, 3, 1, "  felragadott");
  expectBox(shown, causativeBox, "felragadtat");
}

struct MeaningCase {
  const char* entry;
  bool yes;
  const char* pastThird;  // the past third person singular, which the meaning decides
  const char* objective;  // the objective column's first person: only 'fog (valamit)' takes an object
  const char* causative;
};

// "téved" and the verbs in "ragad" conjugate differently by meaning. The answer is asked on the
// first conjugation of the entry and holds for the others.
TEST(FindingTheVerb, TheMeaningQuestionDecidesTheFormsAndIsAskedOncePerEntry) {
  const MeaningCase cases[] = {
      {"téved", true, "  tévedett", "", kNoSuchForm},
      {"téved", false, "  tévedt", "", kNoSuchForm},
      {"ragad", true, "  ragadt", "", kNoSuchForm},
      {"ragad", false, "  ragadott", "  ragadtam", "ragadtat"},
      {"megragad", true, "  megragadt", "", kNoSuchForm},
      {"megragad", false, "  megragadott", "  megragadtam", "megragadtat"},
      {"elragad", false, "  elragadott", "  elragadtam", "elragadtat"},
  };
  for (const MeaningCase& c : cases) {
    SCOPED_TRACE(std::string(c.entry) + (c.yes ? ", Yes" : ", No"));
    TypedEntry entry(c.entry);
    const Shown first = entry.conjugate(pastIndicative, {}, {c.yes});
    EXPECT_EQ(first.dialogs, Dialogs{meaningQuestion(std::string(c.entry) == "téved")});
    expectCell(first, 3, 1, c.pastThird);
    expectCell(first, 1, 2, c.objective);
    expectBox(first, causativeBox, c.causative);

    const Shown again = entry.conjugate(pastIndicative, {.objective = true}, {!c.yes});
    EXPECT_TRUE(again.dialogs.empty());
    expectCell(again, 3, 1, c.pastThird);
  }
}

TEST(FindingTheVerb, OnlyTevedItselfAndVerbsEndingInRagadAreAsked) {
  for (const CodedVerb verb : {CodedVerb{"eltéved", "120101200"}, CodedVerb{"ragadt", "120101200"}}) {
    SCOPED_TRACE(verb.verb);
    EXPECT_TRUE(TypedEntry(verb).conjugate(pastIndicative).dialogs.empty());
  }
  for (const char* typed : {"Téved", "TÉVED"}) {
    SCOPED_TRACE(typed);
    EXPECT_EQ(TypedEntry(typed).conjugate(pastIndicative).dialogs, Dialogs{meaningQuestion(true)});
  }
}

// A verb not in the lexicon is conjugated from its ending; the vowels of the ending decide, or
// the last vowel other than "i" and "í" after a preverb of back vowels ("rá", "utána"); a pattern
// decides the few with an unstable vowel ("omol", "foszol", "örvényel"). A capital is taken as its
// small letter, and the forms shown are in lower case.
const FormsCase kGuesses[] = {
    {{"agarászik"}, presentIndicative, {}, "agarászok agarászol agarászik agarászunk agarásztok agarásznak | agarászom agarászod agarássza agarásszuk agarásszátok agarásszák (agarászlak)"},
    {{"  agarászik "}, presentIndicative, {}, "agarászok agarászol agarászik agarászunk agarásztok agarásznak | agarászom agarászod agarássza agarásszuk agarásszátok agarásszák (agarászlak)"},
    {{"kecskészik"}, presentIndicative, {}, "kecskészek kecskészel kecskészik kecskészünk kecskésztek kecskésznek | kecskészem kecskészed kecskészi kecskésszük kecskészitek kecskészik (kecskészlek)"},
    {{"álmodik"}, presentIndicative, {}, "álmodom álmodsz álmodik álmodunk álmodtok álmodnak | - - - - - - -"},
    {{"kiönt"}, presentIndicative, {}, "kiöntök kiöntesz kiönt kiöntünk kiöntötök kiöntenek | kiöntöm kiöntöd kiönti kiöntjük kiöntitek kiöntik (kiöntelek)"},
    {{"kipenget"}, presentIndicative, {}, "kipengetek kipengetsz kipenget kipengetünk kipengettek kipengetnek | kipengetem kipengeted kipengeti kipengetjük kipengetitek kipengetik (kipengetlek)"},
    {{"alacsonyít"}, presentIndicative, {}, "alacsonyítok alacsonyítasz alacsonyít alacsonyítunk alacsonyítotok alacsonyítanak | alacsonyítom alacsonyítod alacsonyítja alacsonyítjuk alacsonyítjátok alacsonyítják (alacsonyítalak)"},
    {{"fehérít"}, presentIndicative, {}, "fehérítek fehérítesz fehérít fehérítünk fehérítetek fehérítenek | fehérítem fehéríted fehéríti fehérítjük fehérítitek fehérítik (fehérítelek)"},
    {{"rávesít"}, presentIndicative, {}, "rávesítek rávesítesz rávesít rávesítünk rávesítetek rávesítenek | rávesítem rávesíted rávesíti rávesítjük rávesítitek rávesítik (rávesítelek)"},
    {{"Ábrándozik"}, presentIndicative, {}, "ábrándozok ábrándozol ábrándozik ábrándozunk ábrándoztok ábrándoznak | ábrándozom ábrándozod ábrándozza ábrándozzuk ábrándozzátok ábrándozzák (ábrándozlak)"},
    {{"Googlizik"}, presentIndicative, {}, "googlizok googlizol googlizik googlizunk googliztok googliznak | googlizom googlizod googlizza googlizzuk googlizzátok googlizzák (googlizlak)"},
    {{"GOOGLIZIK"}, pastIndicative, {}, "googliztam googliztál googlizott googliztunk googliztatok googliztak | googliztam googliztad googlizta googliztuk googliztátok googlizták (googliztalak)"},
    {{"csöröng"}, presentIndicative, {}, "csöröngök csöröngsz csöröng csöröngünk csöröngtök csöröngenek | csöröngöm csöröngöd csöröngi csöröngjük csöröngitek csöröngik (csöröngelek)"},
    {{"csüdzik"}, presentIndicative, {}, "csüdzöm csüdzöl csüdzik csüdzünk csüdztök csüdznek | - - - - - - -"},
    {{"kelkáposztáz"}, presentIndicative, {}, "kelkáposztázok kelkáposztázol kelkáposztáz kelkáposztázunk kelkáposztáztok kelkáposztáznak | kelkáposztázom kelkáposztázod kelkáposztázza kelkáposztázzuk kelkáposztázzátok kelkáposztázzák (kelkáposztázlak)"},
    {{"Tanít"}, pastIndicative, {}, "tanítottam tanítottál tanított tanítottunk tanítottatok tanítottak | tanítottam tanítottad tanította tanítottuk tanítottátok tanították (tanítottalak)"},
    {{"TAnít"}, pastIndicative, {}, "tanítottam tanítottál tanított tanítottunk tanítottatok tanítottak | tanítottam tanítottad tanította tanítottuk tanítottátok tanították (tanítottalak)"},
    {{"ÚjÍt"}, pastIndicative, {}, "újítottam újítottál újított újítottunk újítottatok újítottak | újítottam újítottad újította újítottuk újítottátok újították (újítottalak)"},
    {{"átkésít"}, pastIndicative, {}, "átkésítettem átkésítettél átkésített átkésítettünk átkésítettetek átkésítettek | átkésítettem átkésítetted átkésítette átkésítettük átkésítettétek átkésítették (átkésítettelek)"},
    {{"visszakérel"}, pastIndicative, {}, "visszakéreltem visszakéreltél visszakérelt visszakéreltünk visszakéreltetek visszakéreltek | visszakéreltem visszakérelted visszakérelte visszakéreltük visszakéreltétek visszakérelték (visszakéreltelek)"},
    {{"ráít"}, pastIndicative, {}, "ráítettem ráítettél ráített ráítettünk ráítettetek ráítettek | ráítettem ráítetted ráítette ráítettük ráítettétek ráítették (ráítettelek)"},
    {{"utánaít"}, pastIndicative, {}, "utánaítettem utánaítettél utánaített utánaítettünk utánaítettetek utánaítettek | utánaítettem utánaítetted utánaítette utánaítettük utánaítettétek utánaítették (utánaítettelek)"},
    {{"elkaparít"}, pastIndicative, {}, "elkaparítottam elkaparítottál elkaparított elkaparítottunk elkaparítottatok elkaparítottak | elkaparítottam elkaparítottad elkaparította elkaparítottuk elkaparítottátok elkaparították (elkaparítottalak)"},
    {{"leomol"}, presentIndicative, {}, "leomlok leomolsz leomol leomlunk leomoltok leomolnak | - - - - - - -"},
    {{"omol"}, presentIndicative, {}, "omlok omolsz omol omlunk omoltok omolnak | - - - - - - -"},
    {{"szétfoszol"}, presentIndicative, {}, "szétfoszlok szétfoszolsz szétfoszol szétfoszlunk szétfoszoltok szétfoszolnak | - - - - - - -"},
    {{"szörvényel"}, presentIndicative, {}, "szörvénylek szörvényelsz szörvényel szörvénylünk szörvényeltek szörvényelnek | - - - - - - -"},
    {{"megörvényel"}, presentIndicative, {}, "megörvénylek megörvényelsz megörvényel megörvénylünk megörvényeltek megörvényelnek | - - - - - - -"},
};

TEST(FindingTheVerb, AVerbNotInTheLexiconIsGuessedFromItsEnding) {
  for (const FormsCase& c : kGuesses) expectForms(c);
}

TEST(FindingTheVerb, AGuessIsAnnouncedOnTheFirstConjugationOnly) {
  TypedEntry entry("agarászik");
  const Shown first = entry.conjugate(presentIndicative);
  EXPECT_EQ(first.dialogs, kGuessedDialogs);
  EXPECT_EQ(first.notice, kGuessedNotice);
  const Shown again = entry.conjugate(imperative);
  EXPECT_TRUE(again.dialogs.empty());
  EXPECT_EQ(again.notice, kGuessedNotice);
}

// A message box that fails once, as a dialog of the window may.
class MessageFailingOnce : public RecordingDialogs {
 public:
  void showMessage(const std::string& text) override {
    if (std::exchange(failNext_, false)) throw std::runtime_error("the message box failed");
    RecordingDialogs::showMessage(text);
  }

 private:
  bool failNext_ = true;
};

// An announcement whose message box failed was never shown: the next conjugation of the same
// entry makes it, and only then does its notice stay.
TEST(FindingTheVerb, AnAnnouncementThatFailedIsMadeAgain) {
  struct Case {
    const char* entry;
    Dialogs dialogs;
    const char* notice;
  };
  const Case cases[] = {{"agarászik", kGuessedDialogs, kGuessedNotice},
                        {"elír", {"beep", prefixedMessage("ír")}, kPrefixedNotice}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    MessageFailingOnce dialogs;
    EntryMemory memory;
    Request request;
    request.entry = c.entry;
    EXPECT_THROW(ragozo::conjugate(request, memory, fixtureLexicon(), dialogs), std::runtime_error);
    EXPECT_EQ(memory, EntryMemory{});

    dialogs.clear();
    const ConjugationResult again = ragozo::conjugate(request, memory, fixtureLexicon(), dialogs);
    EXPECT_EQ(dialogs.transcript(), c.dialogs);
    EXPECT_EQ(again.notice, c.notice);
  }
}

struct StopCase {
  const char* entry;
  Dialogs dialogs;
  ConjugationEnd end;
};

// A potential verb written with -ik is no verb, and says so. A word neither found nor guessed is
// said to be missing, and its table emptied. Neither shows a form, nor a notice of its own.
TEST(FindingTheVerb, AnEntryNeitherFoundNorGuessedStops) {
  const StopCase cases[] = {
      {"olvashatik", {"message: Törölje az 'ik' végződést!"}, ConjugationEnd::notAVerb},
      {"kérhetik", {"message: Törölje az 'ik' végződést!"}, ConjugationEnd::notAVerb},
      {"OLVASHATIK", {"message: Törölje az 'ik' végződést!"}, ConjugationEnd::notAVerb},
      {"Xyz", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, ConjugationEnd::notFound},
      {"bú", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, ConjugationEnd::notFound},
      {"xyz", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, ConjugationEnd::notFound},
      // no longer than an ending the guess tests: nothing is left before the ending
      {"az", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, ConjugationEnd::notFound},
      {"et", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, ConjugationEnd::notFound},
      {"ál", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, ConjugationEnd::notFound},
      {"odik", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, ConjugationEnd::notFound},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.entry);
    const Shown shown = conjugated(c.entry, presentIndicative);
    EXPECT_EQ(shown.end, c.end);
    EXPECT_EQ(shown.dialogs, c.dialogs);
    EXPECT_TRUE(shown.formsEmpty());
    EXPECT_EQ(shown.notice, "");
    EXPECT_EQ(shown.derivedFormsNotice, std::nullopt);
  }
}

// A lexicon verb's own final "hat" is not the potential suffix, whether the verb was found whole
// or only without its preverb, on the first conjugation as on later ones; an entry that is a
// potential verb keeps only its present participle, and gives the notice that says why.
TEST(FindingTheVerb, OnlyAPotentialVerbLosesItsDerivedForms) {
  for (const char* entry : {"áthat", "hat", "ráhat"}) {
    SCOPED_TRACE(entry);
    TypedEntry typed(entry);
    for (int conjugation = 1; conjugation <= 2; ++conjugation) {
      const Shown shown = typed.conjugate(presentIndicative);
      expectBox(shown, infinitiveBox, std::string(entry) + "ni");
      expectBox(shown, causativeBox, std::string(entry) + "tat");
      EXPECT_EQ(shown.derivedFormsNotice, std::nullopt);
    }
  }
  const Shown potential = conjugated("olvashat", presentIndicative);
  const char* boxes[] = {"", "", "olvasható", "", "", "", "", ""};
  for (int box = 0; box < 8; ++box) expectBox(potential, static_cast<DerivedBox>(box), boxes[box]);
  EXPECT_EQ(potential.derivedFormsNotice, kPotentialNotice);
  EXPECT_EQ(potential.notice, kGuessedNotice);
}

}  // namespace
}  // namespace ragozo::testing
