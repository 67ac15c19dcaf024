// The short imperative endings and stems of the second person singular.
#include "analysis/ImperativeStems.h"

#include <gtest/gtest.h>

#include "support/EntryState.h"

namespace ragozo {
namespace {

using testing::stateForEntry;

TEST(Rov, ChoosesTheShortObjectiveEndingByClass) {
  struct Case {
    const char* classCode;
    const char* sg2Obj;
  };
  for (const Case& c : {Case{"01", "d"}, Case{"25", "dd"}, Case{"24", "dd"}, Case{"12", "sd"}, Case{"26", "sd"},
                        Case{"58", "zd"}, Case{"21", "zd"}, Case{"22", "zd"}, Case{"80", "zd"}, Case{"14", "d"},
                        Case{"", "d"}}) {
    SCOPED_TRACE(c.classCode);
    ConjugationState s;
    s.classCode = c.classCode;
    s.marker = 'j';
    rov(s);
    EXPECT_EQ(s.endings.sg2Subj, "j");
    EXPECT_EQ(s.endings.sg2Obj, c.sg2Obj);
  }
}

struct RovtoCase {
  const char* entry;
  const char* stemBefore;
  const char* stem;
  bool flagAfter;
};

TEST(Rovto, GivesTheShortStemBeforeGy) {
  const RovtoCase cases[] = {
      {"tesz", "tesz", "té", true},  // the flag stays raised: "tesz" is not cut whole
      {"vesz", "vesz", "vé", true},       {"lesz", "lesz", "lé", true},
      {"visz", "visz", "ví", false},        {"elvisz", "elvisz", "elví", false},
      {"van", "van", "lé", false},         {"megvan", "megvan", "meglé", true},
      {"eszik", "esz", "é", false},        {"megeszik", "megesz", "megé", true},
      {"iszik", "isz", "í", false},        {"hisz", "hisz", "hisz", false},
      {"sosincs", "sosincs", "sosincs", false},
  };
  for (const RovtoCase& c : cases) {
    SCOPED_TRACE(c.entry);
    ConjugationState s = stateForEntry(c.entry);
    s.imperativeForms = ImperativeForms::shortForms;
    s.stem = c.stemBefore;
    s.cutResult.assign("earlier");
    rovto(s);
    EXPECT_EQ(s.stem, c.stem);
    EXPECT_EQ(s.longStem, c.stemBefore);
    EXPECT_EQ(s.emptyCutFlag, c.flagAfter);
    EXPECT_EQ(s.cutResult.text(), "earlier") << "the cut field gets its text back";
  }
}

TEST(Rovto, DoesNothingWhileTheLongFormsShow) {
  for (ImperativeForms forms : {ImperativeForms::longForms, ImperativeForms::untouched}) {
    SCOPED_TRACE(forms == ImperativeForms::longForms ? "long forms asked for" : "toggle untouched");
    ConjugationState s = stateForEntry("tesz");
    s.imperativeForms = forms;
    s.stem = "tesz";
    s.longStem = "older";
    rovto(s);
    EXPECT_EQ(s.stem, "tesz");
    EXPECT_EQ(s.longStem, "older");
    EXPECT_FALSE(s.emptyCutFlag);
  }
}

TEST(Ujto, CutsTheStemOfTheShortDefiniteForm) {
  struct Case {
    const char* entry;
    const char* classCode;
    const char* stem;
  };
  const Case cases[] = {
      {"akaszt", "14", "akasz"}, {"csempész", "21", "csempés"}, {"metsz", "22", "mets"},
      {"veszt", "26", "vesz"},   {"mászik", "80", "más"},        {"játszik", "35", "játs"},
      {"alapszik", "58", "alaps"}, {"edz", "20", "edz"},         {"bimbódzik", "40", "bimbódz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    ConjugationState s = stateForEntry(c.entry);
    s.classCode = c.classCode;
    s.stem = "regular";
    ujto(s);
    EXPECT_EQ(s.stem, c.stem);
    EXPECT_EQ(s.stemBeforeCut, "regular");
  }
}

TEST(Ujto, AClassWithoutAShortFormChangesNothing) {
  ConjugationState s = stateForEntry("ad");
  s.classCode = "01";
  s.stem = "ad";
  s.stemBeforeCut = "earlier";
  s.cutResult.assign("cut");
  ujto(s);
  EXPECT_EQ(s.stem, "ad");
  EXPECT_EQ(s.stemBeforeCut, "earlier");
  EXPECT_EQ(s.cutResult.text(), "cut");
}

}  // namespace
}  // namespace ragozo
