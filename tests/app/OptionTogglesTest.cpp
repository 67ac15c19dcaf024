// The tense and mood buttons and the five toggles.
#include <gtest/gtest.h>

#include "WindowSession.h"

namespace ragozo::testing {
namespace {

TEST(MoodButtons, SetTheMoodHideTheImperativeToggleAndConjugateAgain) {
  WindowSession session;
  session.request("alábocsájt", imperative);
  ASSERT_TRUE(session.w().imperativeToggle().visible);
  session.w().toggleImperative();
  ASSERT_TRUE(session.s().entry.toggles.pressed.imperativeAnyway);
  const std::pair<Mood, const char*> moods[] = {
      {presentIndicative, "  alábocsájtok"}, {pastIndicative, "  alábocsájtottam"}, {presentConditional, "  alábocsájtanék"}};
  for (const auto& [mood, firstCell] : moods) {
    session.w().chooseMood(imperative);
    session.w().toggleImperative();
    session.w().chooseMood(mood);
    EXPECT_EQ(session.w().selectedMood(), mood);
    EXPECT_EQ(session.s().mood, mood);
    EXPECT_FALSE(session.s().entry.toggles.pressed.imperativeAnyway);
    EXPECT_FALSE(session.w().imperativeToggle().visible);
    expectCell(session.shown(), 1, 1, firstCell);
  }
}

TEST(MoodButtons, TheImperativeButtonKeepsTextsAndResetsItsToggleCaptionOnly) {
  WindowSession session;
  session.request("alábocsájt", imperative);
  session.w().toggleImperative();
  session.w().chooseMood(imperative);
  EXPECT_EQ(session.w().imperativeToggle().caption, "Fels&zólító mód is");
  EXPECT_TRUE(session.s().entry.toggles.pressed.imperativeAnyway);  // left as it was: the table shows
  expectCell(session.shown(), 1, 1, "  alábocsájtsak");
}

// Only the imperative keeps the entry of a verb the lexicon lacks: the other
// moods empty it and prompt for a verb, whether or not the imperative was chosen before.
TEST(MoodButtons, AnUnknownVerbOutsideTheImperativeEmptiesTheEntryAfterAnyMood) {
  for (Mood before : {presentIndicative, imperative}) {
    WindowSession session;
    session.request("vár", before);
    session.request("xyzq", pastIndicative);
    EXPECT_EQ(session.s().entry.text, "") << "after the " << moodName(before);
    EXPECT_EQ(session.s().entry.shown.noticeLine, "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ")
        << "after the " << moodName(before);
  }
  WindowSession session;
  session.request("xyzq", imperative);
  EXPECT_EQ(session.s().entry.text, "xyzq");
  EXPECT_EQ(session.s().entry.shown.noticeLine, "");
}

TEST(ImperativeToggle, ANewEntryOffersTheImperativeAgain) {
  WindowSession session;
  session.request("alábocsájt", imperative);
  session.w().toggleImperative();
  ASSERT_EQ(session.w().imperativeToggle().caption, "Fels&zólító mód nem");
  session.type("virrad");  // a new entry, conjugated with Enter in the imperative still chosen
  session.w().conjugate();
  EXPECT_TRUE(session.formCellsEmpty());
  EXPECT_EQ(session.w().imperativeToggle().caption, "Fels&zólító mód is");
  session.w().toggleImperative();
  expectCell(session.shown(), 3, 1, "  virradjon");
}

TEST(ObjectiveToggle, ShowsTheObjectiveColumnAnywayAndBack) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.request("alél", presentIndicative);
  expectCell(session.shown(), 1, 2, "");
  session.w().toggleObjective();
  EXPECT_TRUE(session.s().entry.toggles.pressed.objectiveAnyway);
  EXPECT_EQ(session.w().objectiveToggle().caption, "&Csak alanyi ragozás");
  expectCell(session.shown(), 1, 2, "  alélom");  // the lexicon gives it back vowels
  session.w().toggleObjective();
  EXPECT_FALSE(session.s().entry.toggles.pressed.objectiveAnyway);
  EXPECT_EQ(session.w().objectiveToggle().caption, "&Tárgyas ragozás is");
  expectCell(session.shown(), 1, 2, "");
}

// The tall view opens the derived boxes under the table; the short one hides them again.
TEST(DerivedFormsToggle, SwitchesTheViewWithoutConjugating) {
  WindowSession session;
  session.request("vár", presentIndicative);
  session.s().entry.shown.table.write(1, 1, "marker");  // a new conjugation would overwrite this
  session.w().entryLostFocus();
  const window::WindowGeometry shortView = session.w().geometry();
  session.w().toggleDerivedForms();
  EXPECT_GT(session.w().geometry().height, shortView.height);
  EXPECT_EQ(session.w().derivedFormsToggleCaption(), "&Alapalakok");
  expectCell(session.shown(), 1, 1, "marker");
  expectBox(session.shown(), infinitiveBox, "várni");
  EXPECT_TRUE(session.w().entryFocused());
  session.w().toggleDerivedForms();
  EXPECT_EQ(session.w().geometry().height, shortView.height);
  EXPECT_EQ(session.w().geometry().top, shortView.top);
  EXPECT_EQ(session.w().derivedFormsToggleCaption(), "&Képzett alakok is");
}

TEST(ShortImperativeToggle, TheDesignCaptionFirstSelectsTheLongForms) {
  WindowSession session;
  session.s().imperativeForms = window::ImperativeForms::untouched;
  session.type("vár");
  session.w().toggleImperativeForms();
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Rövid alakok");
  session.w().chooseMood(imperative);
  expectCell(session.shown(), 2, 1, "  várjál");
  session.w().toggleImperativeForms();
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Hosszú alakok");
  expectCell(session.shown(), 2, 1, "  várj");
}

TEST(ShortImperativeToggle, ShortensTheSecondPersonOfShortStemVerbs) {
  WindowSession session;
  session.request("vesz", imperative);
  expectCell(session.shown(), 2, 1, "  vegyél");
  expectCell(session.shown(), 2, 2, "  vegyed");
  session.w().toggleImperativeForms();
  expectCell(session.shown(), 2, 1, "  végy");
  expectCell(session.shown(), 2, 2, "  vedd");
  expectCell(session.shown(), 3, 1, "  vegyen");  // the stem is set back after the short cell
  expectCell(session.shown(), 3, 2, "  vegye");
  session.request("jön", imperative);
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Hosszú alakok");
  expectCell(session.shown(), 2, 1, "  jöjj");
}

}  // namespace
}  // namespace ragozo::testing
