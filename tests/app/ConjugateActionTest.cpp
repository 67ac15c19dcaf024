// The conjugate action: its stops, the whole road of one request, and the restrictions.
#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>
#include <utility>

#include "support/FixtureLexicon.h"
#include "WindowSession.h"
#include "headless/HeadlessDesktop.h"
#include "headless/MemoryClipboard.h"
#include "window/Program.h"

namespace ragozo::testing {
namespace {

constexpr const char* kNotObjective = "Ezt az igét nem szoktuk tárgyas ragozásban használni.";
constexpr const char* kNotImperative = "Ezt az igét nem szoktuk felszólító módban használni.";
constexpr const char* kEntryPrompt = "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ";

TEST(ConjugateAction, WithoutATenseAndMoodOnlyAsksForOne) {
  headless::HeadlessDesktop desktop;
  headless::ScriptedDialogs dialogs;
  headless::MemoryClipboard clipboard;
  window::Program program(desktop, dialogs, clipboard, storeFixtureLexicon);
  window::MainWindow w(program, dialogs, clipboard, desktop, storeFixtureLexicon);
  w.state().entry.text = "vár";
  w.state().entry.shown.noticeLine = "előző";
  w.conjugate();
  EXPECT_EQ(dialogs.transcript(), std::vector<std::string>{"message: Válasszon időt és módot!"});
  EXPECT_EQ(w.state().entry.shown.noticeLine, "előző");
  EXPECT_FALSE(w.state().resultShown);
  EXPECT_EQ(w.state().entry.shown.table.cell(1, 1), "");
}

TEST(ConjugateAction, TheWholeRoadOfOneRequest) {
  WindowSession session;
  session.w().entryLostFocus();  // the button takes the focus when clicked
  session.type("vár");
  session.w().conjugate();
  const Shown shown = session.shown();
  expectCells(shown, "várok vársz vár várunk vártok várnak | várom várod várja várjuk várjátok várják várlak");
  expectCell(shown, 7, 1, "");
  EXPECT_EQ(shown.notice, "");
  expectBox(shown, infinitiveBox, "várni");
  expectBox(shown, presentParticipleBox, "váró");
  EXPECT_TRUE(session.w().entryFocused());
  EXPECT_EQ(session.w().caret(), 3);
  EXPECT_TRUE(session.s().resultShown);
  EXPECT_FALSE(session.s().entry.inputFresh);
  EXPECT_TRUE(session.dialogs.transcript().empty());
}

// A word copied from a text often carries a tab, a line break or a no-break space.
TEST(ConjugateAction, WhiteSpaceAroundTheEntryReachesNeitherTheLookUpNorTheCells) {
  for (const char* pasted : {" alszik ", "alszik\n", "alszik\r\n", "alszik\r", "\talszik\t", "\valszik\f",
                             "\xC2\xA0" "alszik\xC2\xA0", "\xE3\x80\x80" "alszik\xE2\x80\xA8", " \t\r\n alszik \n\t"}) {
    WindowSession session;
    session.clipboard.setText(pasted);
    session.w().pasteIntoEntry();  // the double click
    session.w().conjugate();
    EXPECT_EQ(session.s().entry.text, pasted);  // the entry shows what was pasted
    const Shown shown = session.shown();
    expectCell(shown, 3, 1, "  alszik");
    expectCell(shown, 3, 2, "  alussza");
    EXPECT_TRUE(session.dialogs.transcript().empty()) << "[" << pasted << "]";
  }
}

TEST(ConjugateAction, AnImpossibleEndingStopsWithItsMessageAndLeavesTheTable) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.dialogs.clear();
  session.type("adhattat");
  session.w().conjugate();
  EXPECT_EQ(session.dialogs.transcript(), std::vector<std::string>{"message: Nincs ilyen ige."});
  EXPECT_EQ(session.s().entry.text, "adhattat");
  EXPECT_TRUE(session.s().resultShown);
  EXPECT_TRUE(session.formCellsEmpty());  // emptied by the new entry's reset, not filled again
  session.type("v");
  EXPECT_EQ(session.s().entry.text, "v");  // the next key empties the entry first
}

// A potential verb written with -ik stays for mending, and the next key adds to it; outside the
// imperative a word neither found nor guessed goes, and with it all it showed, under the entry
// prompt.
TEST(ConjugateAction, AnEntryNeitherFoundNorGuessedIsEmptiedUnlessItIsToBeMended) {
  struct Case {
    const char* entry;
    bool emptied;
  };
  const Case cases[] = {{"olvashatik", false}, {"kérhetik", false}, {"bú", true}, {"xyz", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    WindowSession session;
    session.request("vár", presentIndicative);
    session.request(c.entry, presentIndicative);
    EXPECT_EQ(session.s().entry.text, c.emptied ? "" : c.entry);
    EXPECT_EQ(session.s().entry.shown.noticeLine, c.emptied ? kEntryPrompt : "");
    EXPECT_TRUE(session.formCellsEmpty());
    expectBox(session.shown(), infinitiveBox, "");
    EXPECT_EQ(session.s().resultShown, c.emptied);
    session.type("x");
    EXPECT_EQ(session.s().entry.text, c.emptied ? "x" : std::string(c.entry) + "x");
  }
}

// The entries that show nothing: an impossible ending, a potential verb with "ik", a verb neither found nor guessed.
constexpr const char* kRefusedEntries[] = {"adhattat", "hatik", "xyzq"};

TEST(ConjugateAction, ARefusedEntryLeavesNoToggleToPress) {
  for (const char* refused : kRefusedEntries) {
    WindowSession session;  // right after start-up the objective toggle shows
    session.type(refused);
    session.w().conjugate();
    EXPECT_FALSE(session.w().objectiveToggle().visible) << refused;
    if (session.w().objectiveToggle().visible) session.w().toggleObjective();
    session.typeNewEntry("alél");  // not used in the objective conjugation
    session.w().chooseMood(presentIndicative);
    EXPECT_EQ(session.s().entry.shown.table.cell(1, 2), "") << refused;
    EXPECT_EQ(session.w().objectiveToggle().caption, "&Tárgyas ragozás is") << refused;
    EXPECT_EQ(session.s().entry.shown.noticeLine, kNotObjective) << refused;
  }
}

TEST(ConjugateAction, ARefusedEntryInTheImperativeHidesTheShortLongToggle) {
  for (const char* refused : kRefusedEntries) {
    WindowSession session;
    session.request("vár", imperative);
    ASSERT_TRUE(session.w().imperativeFormsToggleVisible());
    session.request(refused, imperative);
    EXPECT_FALSE(session.w().imperativeFormsToggleVisible()) << refused;
    EXPECT_TRUE(session.formCellsEmpty()) << refused;
  }
}

TEST(ConjugateAction, AGuessedVerbIsConjugatedFromItsEnding) {
  WindowSession session;
  session.request("üldögél", presentIndicative);
  expectCell(session.shown(), 1, 1, "  üldögélek");
  expectCell(session.shown(), 3, 2, "  üldögéli");
}

// A compound verb not in the lexicon takes the harmony of its last member, whatever
// vowels the member before it holds ("korszerűsítottatok" and "autószereltam" were wrong).
TEST(ConjugateAction, AGuessedCompoundTakesTheHarmonyOfItsLastMember) {
  struct Case {
    const char* verb;
    Mood mood;
    int row;
    int column;
    const char* form;
  };
  const Case cases[] = {
      {"korszerűsít", pastIndicative, 5, 1, "  korszerűsítettetek"},
      {"autószerel", pastIndicative, 1, 1, "  autószereltem"},
      {"távvezérel", imperative, 3, 2, "  távvezérelje"},
      {"lábteniszez", pastIndicative, 1, 1, "  lábteniszeztem"},
      {"hangszigetel", presentIndicative, 4, 1, "  hangszigetelünk"},
      {"számítógépesít", pastIndicative, 1, 1, "  számítógépesítettem"},
      {"gyorsjavít", pastIndicative, 1, 1, "  gyorsjavítottam"},
      {"tintásít", presentIndicative, 4, 1, "  tintásítunk"},
  };
  WindowSession session;
  for (const Case& c : cases) {
    session.request(c.verb, c.mood);
    expectCell(session.shown(), c.row, c.column, c.form);
  }
}

TEST(ConjugateAction, TheIrregularClassShowsItsOwnColumnAndNoObjectiveToggle) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.request("megy", presentIndicative);
  expectCells(session.shown(), "megyek mész megy megyünk mentek mennek | - - - - - - -");
  EXPECT_EQ(session.s().entry.shown.noticeLine, kNotObjective);
  EXPECT_FALSE(session.w().objectiveToggle().visible);
}

TEST(ConjugateAction, AKeptNoticeStaysButTheObjectiveColumnIsStillBlanked) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.request("megvész", presentIndicative);
  EXPECT_EQ(session.s().entry.shown.noticeLine, "Feltételezett igekötős változat:");
  expectCell(session.shown(), 1, 1, "  megveszek");
  expectCell(session.shown(), 1, 2, "");
  EXPECT_TRUE(session.w().objectiveToggle().visible);
  session.w().toggleObjective();
  expectCell(session.shown(), 1, 2, "  megveszem");
  EXPECT_EQ(session.s().entry.shown.noticeLine, "Feltételezett igekötős változat:");
}

TEST(ConjugateAction, ThirdPersonVerbsShowOnlyTheirPersonsUntilAllAreAsked) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.request("érzik", presentIndicative);
  expectCells(session.shown(), "- - érzik - - érzenek | - - - - - - -");
  EXPECT_TRUE(session.w().allPersonsToggle().visible);
  session.w().toggleAllPersons();
  expectCell(session.shown(), 1, 1, "  érzem");
  EXPECT_EQ(session.w().allPersonsToggle().caption, "Csak 3. személyek");
  session.w().toggleAllPersons();
  EXPECT_FALSE(session.s().entry.toggles.pressed.allPersons);
  EXPECT_EQ(session.w().allPersonsToggle().caption, "Minden személy");
  expectCell(session.shown(), 1, 1, "");

  session.request("akaródzik", presentIndicative);
  expectCells(session.shown(), "- - akaródzik - - - | - - - - - - -");
  EXPECT_TRUE(session.w().allPersonsToggle().visible);
}

TEST(ConjugateAction, AVerbNotUsedInTheImperativeBlanksTheTableUntilShownAnyway) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.request("alábocsájt", imperative);
  EXPECT_TRUE(session.formCellsEmpty());
  EXPECT_EQ(session.s().entry.shown.noticeLine, kNotImperative);
  EXPECT_EQ(session.s().entry.text, "alábocsájt");  // kept: only the table is emptied
  EXPECT_TRUE(session.w().imperativeToggle().visible);
  EXPECT_FALSE(session.w().imperativeFormsToggleVisible());

  session.w().toggleImperative();
  EXPECT_EQ(session.w().imperativeToggle().caption, "Fels&zólító mód nem");
  EXPECT_TRUE(session.s().entry.toggles.pressed.imperativeAnyway);
  expectCell(session.shown(), 2, 1, "  alábocsájtsál");
  EXPECT_TRUE(session.w().imperativeFormsToggleVisible());
  EXPECT_EQ(session.s().entry.shown.noticeLine, kNotImperative);

  session.s().entry.shown.derivedBoxes[infinitiveBox] = "marker";  // a conjugation would write the infinitive here
  session.w().toggleImperative();
  expectBox(session.shown(), infinitiveBox, "marker");
  EXPECT_EQ(session.w().imperativeToggle().caption, "Fels&zólító mód is");
  EXPECT_FALSE(session.s().entry.toggles.pressed.imperativeAnyway);
  EXPECT_TRUE(session.formCellsEmpty());
  EXPECT_FALSE(session.w().imperativeFormsToggleVisible());
  EXPECT_EQ(session.s().entry.text, "alábocsájt");
  EXPECT_EQ(session.s().entry.shown.noticeLine, kNotImperative);
}

TEST(ConjugateAction, AThirdPersonVerbNotUsedInTheImperativeGetsBothRestrictions) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.request("virrad", imperative);
  EXPECT_TRUE(session.formCellsEmpty());
  EXPECT_EQ(session.s().entry.shown.noticeLine, kNotImperative);
  EXPECT_TRUE(session.w().allPersonsToggle().visible);
  EXPECT_TRUE(session.w().objectiveToggle().visible);
  EXPECT_TRUE(session.w().imperativeToggle().visible);
  EXPECT_FALSE(session.w().imperativeFormsToggleVisible());

  session.w().toggleImperative();  // the imperative anyway: still the third persons only
  expectCells(session.shown(), "- - virradjon - - virradjanak | - - - - - - -");
  EXPECT_EQ(session.s().entry.shown.noticeLine, kNotImperative);
  EXPECT_TRUE(session.w().imperativeFormsToggleVisible());

  session.w().toggleAllPersons();
  expectCells(session.shown(), "virradjak virradjál virradjon virradjunk virradjatok virradjanak | - - - - - - -");

  session.request("virrad", presentIndicative);  // outside the imperative only the persons are restricted
  expectCells(session.shown(), "- - virrad - - virradnak | - - - - - - -");
  EXPECT_EQ(session.s().entry.shown.noticeLine, kNotObjective);
  EXPECT_FALSE(session.w().imperativeToggle().visible);
}

TEST(ConjugateAction, TheImperativeToggleFollowsTheVerbNowConjugated) {
  WindowSession session;
  session.request("alábocsájt", imperative);
  EXPECT_FALSE(session.w().imperativeFormsToggleVisible());
  session.request("vár", imperative);
  EXPECT_TRUE(session.w().imperativeFormsToggleVisible());
  expectCell(session.shown(), 2, 1, "  várjál");
}

TEST(ConjugateAction, TheShortImperativeFormsOfVar) {
  WindowSession session;
  session.request("vár", imperative);
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Rövid alakok");  // set by the start-up's conjugation
  expectCell(session.shown(), 2, 1, "  várjál");
  expectCell(session.shown(), 2, 2, "  várjad");
  session.w().toggleImperativeForms();
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Hosszú alakok");
  expectCell(session.shown(), 2, 1, "  várj");
  expectCell(session.shown(), 2, 2, "  várd");
  expectCell(session.shown(), 3, 1, "  várjon");
  session.w().chooseMood(pastIndicative);
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Rövid alakok");
  EXPECT_FALSE(session.w().imperativeFormsToggleVisible());
  session.w().chooseMood(imperative);
  expectCell(session.shown(), 2, 1, "  várjál");
}

// Dialogs that fail with the exception given: on their next beep or message (`failNext`), or on
// their next question (`failNextQuestion`).
class FailingDialogs : public headless::ScriptedDialogs {
 public:
  void beep() override {
    failIfArmed(failNext);
    ScriptedDialogs::beep();
  }
  void showMessage(const std::string& text) override {
    failIfArmed(failNext);
    ScriptedDialogs::showMessage(text);
  }
  bool askYesNo(const std::string& title, const std::string& text) override {
    failIfArmed(failNextQuestion);
    return ScriptedDialogs::askYesNo(title, text);
  }
  std::exception_ptr failNext;
  std::exception_ptr failNextQuestion;

 private:
  static void failIfArmed(std::exception_ptr& armed) {
    if (!armed) return;
    std::exception_ptr failure = std::exchange(armed, nullptr);
    std::rethrow_exception(failure);
  }
};

// A started program whose dialogs fail when told to.
class ConjugateActionFailure : public ::testing::Test {
 protected:
  ConjugateActionFailure() : program(desktop, dialogs, clipboard, storeFixtureLexicon) {
    program.start();
    program.splash()->handOver();
  }

  headless::HeadlessDesktop desktop;
  FailingDialogs dialogs;
  headless::MemoryClipboard clipboard;
  window::Program program;
};

TEST_F(ConjugateActionFailure, EmptiesTheTableAndDerivedBoxesInsteadOfLeavingThemMixed) {
  window::MainWindow& w = *program.mainWindow();
  w.state().entry.text = "vár";
  w.conjugate();
  ASSERT_EQ(w.state().entry.shown.table.cell(1, 1), "  várok");
  ASSERT_EQ(w.state().entry.shown.derivedBoxes[infinitiveBox], "várni");

  // Without a reset between them (the entry counts as fresh), the next request fails half-way.
  w.state().entry.inputFresh = true;
  w.state().entry.text = "adhattat";
  dialogs.failNext = std::make_exception_ptr(std::runtime_error("the message box failed"));
  EXPECT_NO_THROW(w.conjugate());
  for (int row = 1; row <= 7; ++row) {
    EXPECT_EQ(w.state().entry.shown.table.cell(row, 1), "") << cellName(row, 1);
    EXPECT_EQ(w.state().entry.shown.table.cell(row, 2), "") << cellName(row, 2);
  }
  EXPECT_EQ(w.state().entry.shown.table.cell(0, 1), "Alanyi ragozás");
  for (int box = infinitiveBox; box <= causativeBox; ++box) {
    EXPECT_EQ(w.state().entry.shown.derivedBoxes[box], "") << boxName(static_cast<DerivedBox>(box));
  }
  w.state().entry.text = "vár";
  w.conjugate();
  EXPECT_EQ(w.state().entry.shown.table.cell(1, 1), "  várok");
}

// The announcement is remembered before the meaning question is asked; should the question fail,
// no result shows and the entry stays fresh, yet the next entry must not inherit what this one
// announced.
TEST_F(ConjugateActionFailure, AnEntryChangedAfterAFailedQuestionIsAnnouncedAsItsOwn) {
  window::MainWindow& w = *program.mainWindow();
  w.entryEdited("szétragad");  // found without its preverb, then asked its meaning
  dialogs.failNextQuestion = std::make_exception_ptr(std::runtime_error("the question failed"));
  w.conjugate();
  ASSERT_EQ(dialogs.transcript().front(), "beep");
  dialogs.clear();

  w.entryEdited("bambuszol");  // guessed
  w.conjugate();
  EXPECT_EQ(dialogs.transcript(),
            (std::vector<std::string>{
                "beep", "message: Ilyen ige nem szerepel az adatbázisban, de ha létezik, ragozása a következő:"}));
  EXPECT_EQ(w.state().entry.shown.noticeLine, "A forma alapján feltételezett igealakok:");
  EXPECT_EQ(w.state().entry.shown.table.cell(1, 1), "  bambuszolok");
}

TEST_F(ConjugateActionFailure, AFaultOfTheProgramIsNotHiddenAsAnEmptyTable) {
  window::MainWindow& w = *program.mainWindow();
  w.state().entry.text = "adhattat";
  dialogs.failNext = std::make_exception_ptr(std::out_of_range("index past the end"));
  EXPECT_THROW(w.conjugate(), std::out_of_range);
}

TEST(ConjugateAction, ABlankEntryIsAnsweredLikeAnEmptyOne) {
  for (const char* blank : {"", " ", "   ", "\t", " \t\t ", "\n", "\r\n", "\v\f", "\xC2\xA0"}) {
    SCOPED_TRACE("entry [" + std::string(blank) + "]");
    WindowSession session;
    session.request("öl", presentIndicative);  // a front rounded verb: its endings would show as "  ök"
    session.w().entryEdited("");
    session.type(blank);
    session.dialogs.clear();
    session.w().conjugate();
    EXPECT_TRUE(session.dialogs.transcript().empty());  // no verb, so none was looked for
    const Shown shown = session.shown();
    expectCells(shown, "- - - - - - | - - - - - - -");
    for (int box = infinitiveBox; box <= causativeBox; ++box) expectBox(shown, static_cast<DerivedBox>(box), "");
    EXPECT_EQ(shown.notice, kEntryPrompt);
  }
}

// The table a verb gets in a newly started program, in the present.
FormCells freshCells(std::string_view verb) {
  WindowSession session;
  session.request(verb, presentIndicative);
  return session.cells();
}

TEST(ConjugateAction, AVerbGetsTheSameTableWhateverWasDoneBefore) {
  struct Case {
    const char* name;
    const char* verb;
    void (*before)(WindowSession&);
  };
  const std::string longPatternVerb = std::string(30, 'a') + "omol";  // guessed by its special pattern
  const Case cases[] = {
      {"the derived forms shown for a shorter entry", "felomol",
       [](WindowSession& session) {
         session.type("x");
         session.w().toggleDerivedForms();
         session.w().entryEdited("");
       }},
      {"the derived forms shown for a longer entry", "felomol",
       [](WindowSession& session) {
         session.type("elomolhatatlankodik");
         session.w().toggleDerivedForms();
         session.w().entryEdited("");
       }},
      {"a pattern verb longer than the stem field after another verb", longPatternVerb.c_str(),
       [](WindowSession& session) {
         session.request("vár", presentIndicative);
         session.w().entryEdited("");
       }},
      {"a pattern verb longer than the stem field conjugated twice", longPatternVerb.c_str(),
       [](WindowSession& session) {
         session.request(std::string(30, 'a') + "omol", pastIndicative);
         session.w().entryEdited("");
       }},
  };
  for (const Case& c : cases) {
    WindowSession session;
    c.before(session);
    session.request(c.verb, presentIndicative);
    EXPECT_EQ(session.cells(), freshCells(c.verb)) << c.name;
    // The whole stem, however long: the verb less its last two letters, then the ending.
    const std::string verb = c.verb;
    EXPECT_TRUE(session.cells()[0].starts_with("  " + verb.substr(0, verb.size() - 2))) << c.name << ": "
                                                                                        << session.cells()[0];
  }
}

}  // namespace
}  // namespace ragozo::testing
