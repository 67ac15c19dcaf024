// The conditional: marker-led slots, and the stems of its four special cases.
#include "inflection/Conditional.h"

#include <gtest/gtest.h>

#include "inflection/PreparedVerb.h"
#include "inflection/SlotRows.h"

namespace ragozo {
namespace {

using testing::CodedVerb;
using testing::preparedVerb;

TEST(ConditionalSlots, BackVerbWithMarkerN) {
  ConjugationState s = preparedVerb("ad", "110107111", presentConditional);
  felt(s);
  EXPECT_EQ(s.marker, "n");
  EXPECT_EQ(s.endings, testing::slotsOf({"nék", "nám", "nál", "nád", "na", "ná", "nánk", "nánk", "nátok", "nátok",
                                         "nának", "nák", "nálak"}));
}

TEST(ConditionalSlots, FrontVerbWithMarkerN) {
  ConjugationState s = preparedVerb("kér", "120101011", presentConditional);
  felt(s);
  EXPECT_EQ(s.endings, testing::slotsOf({"nék", "ném", "nél", "néd", "ne", "né", "nénk", "nénk", "nétek", "nétek",
                                         "nének", "nék", "nélek"}));
}

struct ConditionalStemCase {
  CodedVerb verb;
  const char* stem;
  const char* thirdPerson;  // stem and sg3Subj together
};

void PrintTo(const ConditionalStemCase& c, std::ostream* os) { *os << c.verb.verb; }

class ConditionalStems : public ::testing::TestWithParam<ConditionalStemCase> {};

TEST_P(ConditionalStems, SpecialCasesSetTheStem) {
  const ConditionalStemCase& c = GetParam();
  ConjugationState s = preparedVerb(c.verb.verb, c.verb.code, presentConditional);
  felt(s);
  EXPECT_EQ(s.stem, c.stem);
  EXPECT_EQ(s.stem + s.endings.sg3Subj, c.thirdPerson);
}

INSTANTIATE_TEST_SUITE_P(
    Verbs, ConditionalStems,
    ::testing::Values(ConditionalStemCase{{"van", "110299200"}, "vol", "volna"},
                      ConditionalStemCase{{"megvan", "210199200"}, "megvol", "megvolna"},
                      ConditionalStemCase{{"vérzik", "12014a000"}, "vérez", "vérezne"},
                      ConditionalStemCase{{"dohányzik", "11014a000"}, "dohányoz", "dohányozna"},
                      ConditionalStemCase{{"izzik", "11016a200"}, "izz", "izzana"},
                      ConditionalStemCase{{"alapszik", "11M158000"}, "alapul", "alapulna"},
                      // The -kik class takes the bare "n": "bukna", not "bukana".
                      ConditionalStemCase{{"bukik", "110150000"}, "buk", "bukna"},
                      // "aránylik" once kept whatever marker ran before; it takes that of class "64".
                      ConditionalStemCase{{"aránylik", "11N16d200"}, "arányl", "aránylana"}));

TEST(ConditionalStems, VanTurnsBackAndAlapszikBecomesClassOne) {
  ConjugationState van = preparedVerb("van", "110299200", presentConditional);
  felt(van);
  EXPECT_EQ(van.vowelClass, VowelClass::back);
  ConjugationState alapszik = preparedVerb("alapszik", "11M158000", presentConditional);
  felt(alapszik);
  EXPECT_EQ(alapszik.classCode, "01");
}

}  // namespace
}  // namespace ragozo
