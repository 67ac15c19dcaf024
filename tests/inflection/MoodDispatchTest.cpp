// The mood dispatcher: one producer per mood, nothing outside 1 to 4.
#include "inflection/MoodDispatch.h"

#include <gtest/gtest.h>

#include "inflection/PreparedVerb.h"
#include "inflection/SlotRows.h"

namespace ragozo {
namespace {

TEST(Idomod, MoodOutsideOneToFourRunsNothing) {
  for (int mood : {0, -1, 5}) {
    ConjugationState s = testing::preparedVerb("ad", "110107111", presentIndicative);
    s.mood = static_cast<Mood>(mood);
    s.endings.sg1Subj = "kept";
    s.marker = "kept";
    s.pastThird = "kept";
    const EndingSlots before = s.endings;
    idomod(s);
    EXPECT_EQ(s.endings, before) << mood;
    EXPECT_EQ(s.marker, "kept");
    EXPECT_EQ(s.pastThird, "kept");
  }
}

// Each mood writes all thirteen slots, so nothing of the mood before survives.
TEST(Idomod, EachMoodOverwritesEverySlotOfThePrevious) {
  const testing::SlotRow stale = {"x", "x", "x", "x", "x", "x", "x", "x", "x", "x", "x", "x", "x"};
  struct Expected {
    Mood mood;
    const char* sg1Subj;
    const char* sg3Subj;
  };
  for (const Expected& e : {Expected{presentIndicative, "ok", ""}, Expected{pastIndicative, "tam", "ott"},
                            Expected{presentConditional, "nék", "na"}, Expected{imperative, "jak", "jon"}}) {
    ConjugationState s = testing::preparedVerb("ad", "110107111", e.mood);
    s.endings = testing::slotsOf(stale);
    idomod(s);
    EXPECT_EQ(s.endings.sg1Subj, e.sg1Subj) << e.mood;
    EXPECT_EQ(s.endings.sg3Subj, e.sg3Subj) << e.mood;
    EXPECT_NE(s.endings.pl3Obj, "x") << e.mood;
    EXPECT_NE(s.endings.sg1To2, "x") << e.mood;
  }
}

}  // namespace
}  // namespace ragozo
