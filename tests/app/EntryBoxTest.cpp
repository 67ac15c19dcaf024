// Typing in the entry, the per-entry reset, the clipboard copies and the menus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowSession.h"

namespace ragozo::testing {
namespace {

TEST(EntryBox, TheFirstKeyAfterAResultStartsANewEntryAndResetsTheState) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.request("érzik", presentIndicative);
  ASSERT_TRUE(session.w().allPersonsToggle().visible);
  session.w().toggleAllPersons();
  session.type("v");
  const window::WindowState& s = session.s();
  EXPECT_EQ(s.entry.text, "v");
  EXPECT_TRUE(session.formCellsEmpty());
  EXPECT_EQ(s.entry.shown.table.cell(0, 2), "Tárgyas ragozás");
  for (int box = infinitiveBox; box <= causativeBox; ++box) expectBox(session.shown(), static_cast<DerivedBox>(box), "");
  EXPECT_FALSE(s.entry.toggles.pressed.allPersons);
  EXPECT_EQ(s.entry.shown.noticeLine, "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ");
  EXPECT_FALSE(session.w().allPersonsToggle().visible);
  EXPECT_FALSE(session.w().objectiveToggle().visible);
  EXPECT_FALSE(session.w().imperativeToggle().visible);
  EXPECT_EQ(session.w().allPersonsToggle().caption, "M&inden személy");
  EXPECT_EQ(session.w().objectiveToggle().caption, "&Tárgyas ragozás is");
  EXPECT_TRUE(s.entry.inputFresh);
  EXPECT_FALSE(s.resultShown);
  EXPECT_EQ(s.mood, presentIndicative);  // the reset keeps the chosen mood
}

// What an entry remembers (the meaning chosen, the announcement made) belongs to it alone: the same
// verb typed again is asked and announced again, as in a fresh program.
TEST(EntryBox, ANewEntryOfTheSameVerbIsAskedAndAnnouncedAgain) {
  WindowSession session;
  for (const char* verb : {"ragad", "agarászik", "elír"}) {
    SCOPED_TRACE(verb);
    session.request(verb, presentIndicative);
    const std::vector<std::string> first = session.dialogs.transcript();
    ASSERT_FALSE(first.empty());
    session.dialogs.clear();
    session.w().chooseMood(pastIndicative);
    EXPECT_TRUE(session.dialogs.transcript().empty()) << "the same entry again";
    session.request(verb, presentIndicative);
    EXPECT_EQ(session.dialogs.transcript(), first);
    session.dialogs.clear();
  }
}

// A capital, or Caps Lock, makes no other verb: the window shows the verb's own forms, in lower
// case, and the entry keeps what was typed.
TEST(EntryBox, AVerbTypedWithCapitalsShowsItsFormsAndKeepsTheEntryAsTyped) {
  struct Case {
    const char* typed;
    const char* thirdSingular;
    const char* infinitive;
  };
  const Case cases[] = {{"Eszik", "  eszik", "enni"}, {"ESZIK", "  eszik", "enni"}, {"Megy", "  megy", "menni"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    WindowSession session;
    session.request(c.typed, presentIndicative);
    EXPECT_EQ(session.s().entry.text, c.typed);
    EXPECT_TRUE(session.dialogs.transcript().empty());
    const Shown shown = session.shown();
    expectCell(shown, 3, 1, c.thirdSingular);
    expectBox(shown, infinitiveBox, c.infinitive);
  }
}

TEST(EntryBox, OnlyTheFirstKeyAfterAResultResets) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.type("t");
  window::WindowState& s = session.s();
  s.entry.shown.table.write(1, 1, "kept");
  session.type("a");
  EXPECT_EQ(s.entry.text, "ta");
  EXPECT_EQ(s.entry.shown.table.cell(1, 1), "kept");
}

TEST(EntryBox, EveryTypedKeyReachesTheEntryAfterAnEmptyEntryWasConjugated) {
  struct Case {
    const char* name;
    void (*before)(WindowSession&);
  };
  const Case cases[] = {
      {"at start-up", [](WindowSession&) {}},
      {"after a result deleted without a key", [](WindowSession& session) {
         session.request("vár", presentIndicative);
         session.w().entryEdited("");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WindowSession session;
    c.before(session);
    session.w().conjugate();  // "&Ragozás" with nothing typed
    session.type("ad");
    EXPECT_EQ(session.s().entry.text, "ad");
    session.w().conjugate();
    expectCell(session.shown(), 1, 1, "  adok");
  }
}

TEST(EntryBox, AChangeWithoutAKeyAfterAResultEmptiesTheEntry) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.w().entryEdited("vá");  // a deletion with the Delete key
  EXPECT_EQ(session.s().entry.text, "");
  EXPECT_TRUE(session.s().entry.inputFresh);
  EXPECT_TRUE(session.formCellsEmpty());
}

TEST(EntryBox, DoubleClickPastesOnlyIntoAFreshEntry) {
  WindowSession session;
  session.clipboard.setText("kér");
  session.request("vár", presentIndicative);
  session.w().pasteIntoEntry();
  EXPECT_EQ(session.s().entry.text, "");
  EXPECT_TRUE(session.s().entry.inputFresh);
  session.w().pasteIntoEntry();
  EXPECT_EQ(session.s().entry.text, "kér");
  session.w().conjugate();
  expectCell(session.shown(), 1, 1, "  kérek");

  // The entry's own text, copied from it, pasted over it after a result: a new entry all the same.
  session.clipboard.setText("kér");
  session.w().pasteIntoEntry();
  EXPECT_EQ(session.s().entry.text, "");
  EXPECT_TRUE(session.formCellsEmpty());
}

TEST(EntryBox, ANewEntryEmptiesTheTextsEvenWhileTheyAreKept) {
  WindowSession session;
  session.request("vár", imperative);  // the imperative keeps the entry of a verb not found
  session.type("xyzq");
  EXPECT_EQ(session.s().entry.text, "xyzq");
  expectBox(session.shown(), infinitiveBox, "");
  session.w().conjugate();
  EXPECT_EQ(session.s().entry.text, "xyzq");  // the new entry kept the imperative's keeping
}

// The short/long toggle follows the tense and mood, not the entry: a new entry leaves it until
// the next conjugation decides it.
TEST(EntryBox, ANewEntryLeavesTheShortLongToggleToTheNextConjugation) {
  WindowSession session;
  session.request("vár", imperative);
  session.type("xyzq");
  EXPECT_TRUE(session.w().imperativeFormsToggleVisible());
  session.w().conjugate();  // not found: nothing shows, so nothing is left to toggle
  EXPECT_FALSE(session.w().imperativeFormsToggleVisible());
  session.typeNewEntry("kér");
  EXPECT_FALSE(session.w().imperativeFormsToggleVisible());
  session.w().conjugate();
  EXPECT_TRUE(session.w().imperativeFormsToggleVisible());
}

TEST(EntryBox, GainingTheFocusPutsTheCaretAfterTheLastCharacter) {
  WindowSession session;
  session.type("kér");
  session.w().setCaret(0);
  session.w().entryLostFocus();
  session.w().entryGotFocus();
  EXPECT_EQ(session.w().caret(), 3);
}

TEST(Clipboard, CopiesTheClickedCellExactlyAsItShows) {
  WindowSession session;
  session.request("alszik", presentIndicative);
  session.clipboard.setText("régi");
  const std::tuple<int, int, const char*> cases[] = {
      {1, 1, "  alszom"}, {7, 2, "  (aluszlak)"}, {7, 1, ""}, {0, 1, "Alanyi ragozás"}};
  for (const auto& [row, column, expected] : cases) {
    session.w().copyCell(row, column);
    EXPECT_EQ(session.clipboard.text(), expected) << row << "," << column;
    ASSERT_TRUE(session.s().entry.shown.copiedCell.has_value());
    EXPECT_EQ(session.s().entry.shown.copiedCell->row, row);
    EXPECT_EQ(session.s().entry.shown.copiedCell->column, column);
  }
  // A table drawn anew shows no cell selected until one is clicked.
  session.w().chooseMood(pastIndicative);
  EXPECT_FALSE(session.s().entry.shown.copiedCell.has_value());
}

TEST(Clipboard, CopiesADerivedBox) {
  WindowSession session;
  session.request("vár", presentIndicative);
  const std::pair<DerivedBox, const char*> expected[] = {
      {infinitiveBox, "várni"},        {adverbialParticipleBox, "várva"}, {presentParticipleBox, "váró"},
      {pastParticipleBox, "várt"},     {futureParticipleBox, "várandó"},  {actionNounBox, "várás"},
      {potentialBox, "várhat"},        {causativeBox, "vártat"}};
  for (const auto& [box, text] : expected) {
    session.w().copyDerivedBox(box);
    EXPECT_EQ(session.clipboard.text(), text) << "the " << boxName(box) << " box of \"vár\"";
  }
  session.type("x");
  session.w().copyDerivedBox(futureParticipleBox);
  EXPECT_EQ(session.clipboard.text(), "");
}

// The window starts topmost with "&OnTop" checked: the first click ends the topmost state.
TEST(Menus, OnTopTogglesWithItsCheckMarkAndCloseEndsTheProgram) {
  WindowSession session;
  ASSERT_TRUE(session.w().onTopChecked());
  session.w().toggleOnTop();
  EXPECT_FALSE(session.w().onTopChecked());
  EXPECT_FALSE(session.desktop.topmost(window::WindowName::main));
  session.w().toggleOnTop();
  EXPECT_TRUE(session.w().onTopChecked());
  EXPECT_TRUE(session.desktop.topmost(window::WindowName::main));
  EXPECT_EQ(session.desktop.calls(), (std::vector<std::string>{"topmost main off", "topmost main on"}));
  session.w().closeProgram();
  EXPECT_TRUE(session.desktop.ended());
}

}  // namespace
}  // namespace ragozo::testing
