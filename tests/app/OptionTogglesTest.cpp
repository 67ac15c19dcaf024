// The tense and mood buttons and the five toggles.
#include <gtest/gtest.h>

#include "WindowSession.h"

namespace ragozo::testing {
namespace {

TEST(MoodButtons, SetTheMoodHideTheImperativeToggleAndConjugateAgain) {
  WindowSession session;
  session.request("alábocsájt", 4);
  ASSERT_TRUE(session.w().imperativeToggle().visible);
  session.w().toggleImperative();
  ASSERT_TRUE(session.s().pressed.imperativeAnyway);
  const std::pair<Mood, const char*> moods[] = {
      {presentIndicative, "  alábocsájtok"}, {pastIndicative, "  alábocsájtottam"}, {presentConditional, "  alábocsájtanék"}};
  for (const auto& [mood, firstCell] : moods) {
    session.w().chooseMood(imperative);
    session.w().toggleImperative();
    session.w().chooseMood(mood);
    EXPECT_EQ(session.w().selectedMood(), mood);
    EXPECT_EQ(session.s().mood, mood);
    EXPECT_FALSE(session.s().pressed.imperativeAnyway);
    EXPECT_FALSE(session.w().imperativeToggle().visible);
    EXPECT_EQ(session.s().shown.table.cell(1, 1), firstCell);
  }
}

TEST(MoodButtons, TheImperativeButtonKeepsTextsAndResetsItsToggleCaptionOnly) {
  WindowSession session;
  session.request("alábocsájt", 4);
  session.w().toggleImperative();
  session.w().chooseMood(imperative);
  EXPECT_TRUE(session.s().keepsEntryWhenNotFound);
  EXPECT_EQ(session.w().imperativeToggle().caption, "Fels&zólító mód is");
  EXPECT_TRUE(session.s().pressed.imperativeAnyway);  // left as it was: the table shows
  EXPECT_EQ(session.s().shown.table.cell(1, 1), "  alábocsájtsak");
}

// Only the imperative keeps the entry of a verb the lexicon lacks: the other
// moods empty it and prompt for a verb, whether or not the imperative was chosen before.
TEST(MoodButtons, AnUnknownVerbOutsideTheImperativeEmptiesTheEntryAfterAnyMood) {
  for (Mood before : {presentIndicative, imperative}) {
    WindowSession session;
    session.request("vár", before);
    session.request("xyzq", pastIndicative);
    EXPECT_EQ(session.s().entry, "") << before;
    EXPECT_EQ(session.s().shown.noticeLine, "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ") << before;
  }
  WindowSession session;
  session.request("xyzq", imperative);
  EXPECT_EQ(session.s().entry, "xyzq");
  EXPECT_EQ(session.s().shown.noticeLine, "");
}

TEST(ImperativeToggle, ANewEntryOffersTheImperativeAgain) {
  WindowSession session;
  session.request("alábocsájt", 4);
  session.w().toggleImperative();
  ASSERT_EQ(session.w().imperativeToggle().caption, "Fels&zólító mód nem");
  session.type("virrad");  // a new entry, conjugated with Enter in the imperative still chosen
  session.w().conjugate();
  EXPECT_TRUE(session.formCellsEmpty());
  EXPECT_EQ(session.w().imperativeToggle().caption, "Fels&zólító mód is");
  session.w().toggleImperative();
  EXPECT_EQ(session.s().shown.table.cell(3, 1), "  virradjon");
}

TEST(ObjectiveToggle, ShowsTheObjectiveColumnAnywayAndBack) {
  WindowSession session;
  session.request("vár", 1);
  session.request("alél", 1);
  EXPECT_EQ(session.s().shown.table.cell(1, 2), "");
  session.w().toggleObjective();
  EXPECT_TRUE(session.s().pressed.objectiveAnyway);
  EXPECT_EQ(session.w().objectiveToggle().caption, "&Csak alanyi ragozás");
  EXPECT_EQ(session.s().shown.table.cell(1, 2), "  alélom");  // the lexicon gives it back vowels
  session.w().toggleObjective();
  EXPECT_FALSE(session.s().pressed.objectiveAnyway);
  EXPECT_EQ(session.w().objectiveToggle().caption, "&Tárgyas ragozás is");
  EXPECT_EQ(session.s().shown.table.cell(1, 2), "");
}

TEST(DerivedFormsToggle, SwitchesTheViewWithoutConjugating) {
  WindowSession session;
  session.request("vár", 1);
  session.s().shown.table.write(1, 1, "marker");  // a new conjugation would overwrite this
  session.w().entryLostFocus();
  session.w().toggleDerivedForms();
  EXPECT_EQ(session.w().geometry().height, 6480);
  EXPECT_EQ(session.w().derivedFormsToggleCaption(), "&Alapalakok");
  EXPECT_EQ(session.s().shown.table.cell(1, 1), "marker");
  EXPECT_EQ(session.s().shown.derivedBoxes[0], "várni");
  EXPECT_TRUE(session.w().entryFocused());
  const int top = session.w().geometry().top;
  session.w().toggleDerivedForms();
  EXPECT_EQ(session.w().geometry().height, 4230);
  EXPECT_EQ(session.w().geometry().top, top);
  EXPECT_EQ(session.w().derivedFormsToggleCaption(), "&Képzett alakok is");
}

TEST(ShortImperativeToggle, TheDesignCaptionFirstSelectsTheLongForms) {
  WindowSession session;
  session.s().imperativeForms = window::ImperativeForms::untouched;
  session.type("vár");
  session.w().toggleImperativeForms();
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Rövid alakok");
  session.w().chooseMood(imperative);
  EXPECT_EQ(session.s().shown.table.cell(2, 1), "  várjál");
  session.w().toggleImperativeForms();
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Hosszú alakok");
  EXPECT_EQ(session.s().shown.table.cell(2, 1), "  várj");
}

TEST(ShortImperativeToggle, ShortensTheSecondPersonOfShortStemVerbs) {
  WindowSession session;
  session.request("vesz", 4);
  EXPECT_EQ(session.s().shown.table.cell(2, 1), "  vegyél");
  EXPECT_EQ(session.s().shown.table.cell(2, 2), "  vegyed");
  session.w().toggleImperativeForms();
  EXPECT_EQ(session.s().shown.table.cell(2, 1), "  végy");
  EXPECT_EQ(session.s().shown.table.cell(2, 2), "  vedd");
  EXPECT_EQ(session.s().shown.table.cell(3, 1), "  vegyen");  // the stem is set back after the short cell
  EXPECT_EQ(session.s().shown.table.cell(3, 2), "  vegye");
  session.request("jön", 4);
  EXPECT_EQ(session.w().imperativeFormsToggleCaption(), "2:   &Hosszú alakok");
  EXPECT_EQ(session.s().shown.table.cell(2, 1), "  jöjj");
}

}  // namespace
}  // namespace ragozo::testing
