// The tense and mood buttons and the five toggles.
#include <gtest/gtest.h>

#include "WindowSession.h"

namespace ragozo::testing {
namespace {

TEST(MoodButtons, SetTheMoodHideTheImperativeToggleAndConjugateAgain) {
  WindowSession session;
  session.request("alábocsájt", 4);
  ASSERT_TRUE(session.w().command4().visible);
  session.w().Command4_Click();
  ASSERT_EQ(session.s().imperativeAnyway, 3);
  const std::pair<int, const char*> moods[] = {{1, "  alábocsájtok"}, {2, "  alábocsájtottam"}, {3, "  alábocsájtanék"}};
  for (const auto& [option, firstCell] : moods) {
    session.w().chooseOption(4);
    session.w().Command4_Click();
    session.w().chooseOption(option);
    EXPECT_EQ(session.w().selectedOption(), option);
    EXPECT_EQ(session.s().mood, option);
    EXPECT_EQ(session.s().imperativeAnyway, 0);
    EXPECT_FALSE(session.w().command4().visible);
    EXPECT_EQ(session.s().table.cell(1, 1), firstCell);
  }
}

TEST(MoodButtons, TheImperativeButtonKeepsTextsAndResetsItsToggleCaptionOnly) {
  WindowSession session;
  session.request("alábocsájt", 4);
  session.w().Command4_Click();
  session.w().chooseOption(4);
  EXPECT_EQ(session.s().keepTexts, 1);
  EXPECT_EQ(session.w().command4().caption, "Fels&zólító mód is");
  EXPECT_EQ(session.s().imperativeAnyway, 3);  // left as it was: the table shows
  EXPECT_EQ(session.s().table.cell(1, 1), "  alábocsájtsak");
}

TEST(ObjectiveToggle, ShowsTheObjectiveColumnAnywayAndBack) {
  WindowSession session;
  session.request("vár", 1);
  session.request("alél", 1);
  EXPECT_EQ(session.s().table.cell(1, 2), "");
  session.w().Command3_Click();
  EXPECT_EQ(session.s().objectiveAnyway, 3);
  EXPECT_EQ(session.w().command3().caption, "&Csak alanyi ragozás");
  EXPECT_EQ(session.s().table.cell(1, 2), "  alélom");  // the lexicon gives it back vowels
  session.w().Command3_Click();
  EXPECT_EQ(session.s().objectiveAnyway, 0);
  EXPECT_EQ(session.w().command3().caption, "&Tárgyas ragozás is");
  EXPECT_EQ(session.s().table.cell(1, 2), "");
}

TEST(DerivedFormsToggle, SwitchesTheViewWithoutConjugating) {
  WindowSession session;
  session.request("vár", 1);
  session.s().table.write(1, 1, "marker");  // a new conjugation would overwrite this
  session.w().entryLostFocus();
  session.w().Command5_Click();
  EXPECT_EQ(session.w().geometry().height, 6480);
  EXPECT_EQ(session.s().derivedFormsCaption, "&Alapalakok");
  EXPECT_EQ(session.s().table.cell(1, 1), "marker");
  EXPECT_EQ(session.s().derivedBoxes[0], "várni");
  EXPECT_TRUE(session.w().entryFocused());
  const int top = session.w().geometry().top;
  session.w().Command5_Click();
  EXPECT_EQ(session.w().geometry().height, 4230);
  EXPECT_EQ(session.w().geometry().top, top);
  EXPECT_EQ(session.s().derivedFormsCaption, "&Képzett alakok is");
}

TEST(ShortImperativeToggle, TheDesignCaptionFirstSelectsTheLongForms) {
  WindowSession session;
  session.s().shortImperative = "2:   Rö&vid alakok";
  session.type("vár");
  session.w().Command6_Click();
  EXPECT_EQ(session.s().shortImperative, "2:   &Rövid alakok");
  session.w().chooseOption(4);
  EXPECT_EQ(session.s().table.cell(2, 1), "  várjál");
  session.w().Command6_Click();
  EXPECT_EQ(session.s().shortImperative, "2:   &Hosszú alakok");
  EXPECT_EQ(session.s().table.cell(2, 1), "  várj");
}

TEST(ShortImperativeToggle, ShortensTheSecondPersonOfShortStemVerbs) {
  WindowSession session;
  session.request("vesz", 4);
  EXPECT_EQ(session.s().table.cell(2, 1), "  vegyél");
  EXPECT_EQ(session.s().table.cell(2, 2), "  vegyed");
  session.w().Command6_Click();
  EXPECT_EQ(session.s().table.cell(2, 1), "  végy");
  EXPECT_EQ(session.s().table.cell(2, 2), "  vedd");
  EXPECT_EQ(session.s().table.cell(3, 1), "  vegyen");  // the stem is set back after the short cell
  EXPECT_EQ(session.s().table.cell(3, 2), "  vegye");
  session.request("jön", 4);
  EXPECT_EQ(session.s().shortImperative, "2:   &Hosszú alakok");
  EXPECT_EQ(session.s().table.cell(2, 1), "  jöjj");
}

}  // namespace
}  // namespace ragozo::testing
