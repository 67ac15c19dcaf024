// The past stems.
#include "analysis/PastStems.h"

#include <gtest/gtest.h>

#include "support/AnalysisSteps.h"

namespace ragozo {
namespace {

using testing::analysed;

TEST(Multto, PutsThePastStemWhereItDiffers) {
  struct Case {
    const char* entry;
    const char* stem;
  };
  const Case cases[] = {
      {"alapszik", "alapul"}, {"iszik", "i"},      {"eszik", "e"},     {"hisz", "hi"},     {"tesz", "te"},
      {"visz", "vi"},         {"elvisz", "elvi"},  {"van", "vol"},     {"megvan", "megvol"}, {"jön", "jöt"},
      {"megy", "men"},        {"elmegy", "elmen"}, {"vész", "vesz"},  {"elvész", "elvesz"}, {"izzik", "izz"},
      {"sosincs", "sosincs"}, {"akad", "akad"},    {"ugrik", "ugr"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    ConjugationState s = analysed(c.entry, pastIndicative);
    multto(s);
    EXPECT_EQ(s.stem, c.stem);
    multto(s);
    EXPECT_EQ(s.stem, c.stem) << "a second call gives the same stem";
  }
}

TEST(Multto, LeavesTheVowelClassOfVan) {
  ConjugationState s = analysed("van", pastIndicative);
  multto(s);
  EXPECT_EQ(s.vowelClass, back);
}

}  // namespace
}  // namespace ragozo
