// The rules of the form cells one by one, each over stems and endings that show which it took.
#include "table/TableCells.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "support/Conjugation.h"

namespace ragozo::testing {
namespace {

// The cell rules one by one, over stems and endings that are tags ("S" the
// stem, "A" the second stem, "P" the past third person's stem, "B" the base
// stem; each slot its own name), so the cell shows which stem and ending the
// deciding rule took. Where several rules hold, the last one decides.
struct RuleCase {
  const char* name;
  Mood mood;
  const char* classCode;
  VowelClass vowelClass;
  bool firstToSecondInBrackets;
  const char* entry;
  const char* standInStem;  // none where null
  int row;
  int column;
  const char* expected;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

class CellRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CellRules, TheLastRuleThatHoldsDecidesTheCell) {
  const RuleCase& c = GetParam();
  const Inflection inflection{EndingSlots{"-sg1", "-sg1o", "-sg2", "-sg2o", "-sg3", "-sg3o", "-pl1", "-pl1o",
                                          "-pl2", "-pl2o", "-pl3", "-pl3o", "-lk"},
                              Stems{"S", "A", "P", "B"}, VerbClass::fromCode(c.classCode), c.vowelClass};
  SCOPED_TRACE(std::string("class ") + c.classCode);
  Shown shown;
  shown.verb = c.entry;
  shown.mood = c.mood;
  const std::optional<std::string_view> standInStem =
      c.standInStem != nullptr ? std::optional<std::string_view>(c.standInStem) : std::nullopt;
  shown.table = writeCells({c.entry, c.mood, false, inflection, standInStem, c.firstToSecondInBrackets});
  expectCell(shown, c.row, c.column, c.expected);
}

const RuleCase kRuleCases[] = {
    {"sg2_present_class89_baseStem", presentIndicative, "89", back, false, "x", nullptr, 2, 1, "  B-sg2"},
    {"sg2_present_class3c_secondStem", presentIndicative, "3c", back, false, "x", nullptr, 2, 1, "  A-sg2"},
    {"sg2_past_class3c_stem", pastIndicative, "3c", back, false, "x", nullptr, 2, 1, "  S-sg2"},
    {"sg3_present_class01_entryAsTyped", presentIndicative, "01", back, false, "elvisz", nullptr, 3, 1, "  elvisz"},
    {"sg3_present_class3a_secondStem", presentIndicative, "3a", frontUnrounded, false, "x", nullptr, 3, 1, "  A-sg3"},
    {"sg3_past_class6a_pastThirdStem", pastIndicative, "6a", back, false, "x", nullptr, 3, 1, "  P-sg3"},
    {"sg3_past_class89_baseStem", pastIndicative, "89", back, false, "x", nullptr, 3, 1, "  B-sg3"},
    {"sg3_past_class01_stem", pastIndicative, "01", back, false, "x", nullptr, 3, 1, "  S-sg3"},
    {"sg3_conditional_class3a_stem", presentConditional, "3a", back, false, "x", nullptr, 3, 1, "  S-sg3"},
    {"pl2_present_class89_tok", presentIndicative, "89", frontRounded, false, "x", nullptr, 5, 1, "  Stök"},
    {"pl2_present_class44_secondStem", presentIndicative, "44", back, false, "x", nullptr, 5, 1, "  A-pl2"},
    {"pl3_present_class89_baseStem", presentIndicative, "89", frontRounded, false, "x", nullptr, 6, 1, "  B-pl3"},
    {"pl3_present_class66_secondStem", presentIndicative, "66", back, false, "x", nullptr, 6, 1, "  A-pl3"},
    {"obj_sg3_present_front_secondStem", presentIndicative, "01", frontRounded, false, "x", nullptr, 3, 2, "  A-sg3o"},
    {"obj_sg3_past_front_stem", pastIndicative, "01", frontRounded, false, "x", nullptr, 3, 2, "  S-sg3o"},
    {"obj_sg3_standIn_presentInThePast", pastIndicative, "01", back, false, "elalapszik", "elalapul", 3, 2, "  elalapulja"},
    {"obj_pl2_present_front_secondStem", presentIndicative, "01", frontUnrounded, false, "x", nullptr, 5, 2, "  A-pl2o"},
    {"obj_pl3_present_back_stem", presentIndicative, "01", back, false, "x", nullptr, 6, 2, "  S-pl3o"},
    {"lak_plain", presentIndicative, "01", back, false, "x", nullptr, 7, 2, "  S-lk"},
    {"lak_bracketed", presentIndicative, "01", back, true, "x", nullptr, 7, 2, "  (S-lk)"},
    {"lak_bracketedInThePast", pastIndicative, "01", back, true, "x", nullptr, 7, 2, "  (S-lk)"},
    {"lak_class41_back_lak", presentIndicative, "41", back, false, "x", nullptr, 7, 2, "  Slak"},
    {"lak_class64_front_lek", presentIndicative, "64", frontRounded, true, "x", nullptr, 7, 2, "  (Slek)"},
    {"lak_class41_past_keepsSlot", pastIndicative, "41", back, false, "x", nullptr, 7, 2, "  S-lk"},
    {"lak_class65_secondStemNeverBracketed", presentIndicative, "65", frontUnrounded, true, "x", nullptr, 7, 2, "  A-lk"},
    {"lak_class88_imperative_secondStemNeverBracketed", imperative, "88", frontRounded, true, "x", nullptr, 7, 2, "  A-lk"},
    {"lak_class88_standIn_last", presentIndicative, "88", back, true, "alapszik", "alapul", 7, 2, "  (alapullak)"},
};

INSTANTIATE_TEST_SUITE_P(Rules, CellRules, ::testing::ValuesIn(kRuleCases),
                         [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ragozo::testing
