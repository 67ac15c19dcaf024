// The imperative: the stem table, the markers, the short forms and the mended classes.
#include "inflection/Imperative.h"

#include <gtest/gtest.h>

#include "inflection/PreparedVerb.h"
#include "support/EntryState.h"

namespace ragozo {
namespace {

using testing::CodedVerb;
using testing::preparedVerb;

ConjugationState imperativeOf(const CodedVerb& verb, ImperativeForms forms = ImperativeForms::longForms) {
  ConjugationState s = preparedVerb(verb.verb, verb.code, imperative);
  s.imperativeForms = forms;
  felsz(s);
  return s;
}

// One row of the stem table: the stem, the marker and four whole words (stem and slot).
struct ImperativeRow {
  CodedVerb verb;
  const char* stem;
  const char* marker;
  const char* sg1Subj;
  const char* sg2Subj;
  const char* sg3Subj;
  const char* sg1To2;
};

void PrintTo(const ImperativeRow& r, std::ostream* os) { *os << r.verb.verb; }

class ImperativeStemTable : public ::testing::TestWithParam<ImperativeRow> {};

TEST_P(ImperativeStemTable, StemMarkerAndLongForms) {
  const ImperativeRow& r = GetParam();
  const ConjugationState s = imperativeOf(r.verb);
  EXPECT_EQ(s.stem, r.stem);
  EXPECT_EQ(s.marker, r.marker);
  EXPECT_EQ(s.stem + s.endings.sg1Subj, r.sg1Subj);
  EXPECT_EQ(s.stem + s.endings.sg2Subj, r.sg2Subj);
  EXPECT_EQ(s.stem + s.endings.sg3Subj, r.sg3Subj);
  EXPECT_EQ(s.stem + s.endings.sg1To2, r.sg1To2);
}

INSTANTIATE_TEST_SUITE_P(
    Verbs, ImperativeStemTable,
    ::testing::Values(
        ImperativeRow{{"vár", "110101011"}, "vár", "j", "várjak", "várjál", "várjon", "várjalak"},
        ImperativeRow{{"kér", "120101011"}, "kér", "j", "kérjek", "kérjél", "kérjen", "kérjelek"},
        ImperativeRow{{"tűr", "130101011"}, "tűr", "j", "tűrjek", "tűrjél", "tűrjön", "tűrjelek"},
        ImperativeRow{{"mutat", "110116011"}, "mutas", "s", "mutassak", "mutassál", "mutasson", "mutassalak"},
        ImperativeRow{{"akaszt", "110114011"}, "akass", "z", "akasszak", "akasszál", "akasszon", "akasszalak"},
        ImperativeRow{{"fest", "120115011"}, "fes", "s", "fessek", "fessél", "fessen", "fesselek"},
        ImperativeRow{{"edz", "120120111"}, "edd", "z", "eddzek", "eddzél", "eddzen", "eddzelek"},
        ImperativeRow{{"vész", "12012a200"}, "vess", "z", "vesszek", "vesszél", "vesszen", "vesszelek"},
        ImperativeRow{{"játszik", "110135111"}, "játss", "z", "játsszak", "játsszál", "játsszon", "játsszalak"},
        ImperativeRow{{"veszt", "120126011"}, "veszít", "s", "veszítsek", "veszítsél", "veszítsen",
                      "veszítselek"},
        ImperativeRow{{"izzik", "11016a200"}, "iz", "z", "izzak", "izzál", "izzon", "izzalak"},
        ImperativeRow{{"hisz", "120125011"}, "hi", "ggy", "higgyek", "higgyél", "higgyen", "higgyelek"},
        ImperativeRow{{"iszik", "110137012"}, "i", "gy", "igyak", "igyál", "igyon", "igyalak"},
        ImperativeRow{{"megy", "120199200"}, "men", "j", "menjek", "menjél", "menjen", "menjelek"},
        ImperativeRow{{"jön", "130299200"}, "jöj", "j", "jöjjek", "jöjjél", "jöjjön", "jöjjelek"},
        ImperativeRow{{"van", "110299200"}, "le", "gy", "legyek", "legyél", "legyen", "legyelek"},
        ImperativeRow{{"őriz", "130119011"}, "őriz", "z", "őrizzek", "őrizzél", "őrizzen", "őrizzelek"},
        ImperativeRow{{"fekszik", "12013c000"}, "feküd", "j", "feküdjek", "feküdjél", "feküdjön", "feküdjelek"},
        ImperativeRow{{"alapszik", "11M158000"}, "alapul", "j", "alapuljak", "alapuljál", "alapuljon",
                      "alapuljalak"}));

struct StemCase {
  CodedVerb verb;
  const char* stem;
  const char* sg3Subj;  // whole word
};

void PrintTo(const StemCase& c, std::ostream* os) { *os << c.verb.verb; }

class ImperativeStems : public ::testing::TestWithParam<StemCase> {};

TEST_P(ImperativeStems, PreverbsAndSpecialEndingsKeepTheirStem) {
  const StemCase& c = GetParam();
  const ConjugationState s = imperativeOf(c.verb);
  EXPECT_EQ(s.stem, c.stem);
  EXPECT_EQ(s.stem + s.endings.sg3Subj, c.sg3Subj);
}

INSTANTIATE_TEST_SUITE_P(
    Verbs, ImperativeStems,
    ::testing::Values(StemCase{{"elmegy", "220199200"}, "elmen", "elmenjen"},
                      StemCase{{"eljön", "230199200"}, "eljöj", "eljöjjön"},
                      StemCase{{"megvan", "210199200"}, "megle", "meglegyen"},
                      StemCase{{"elvész", "22012a200"}, "elvess", "elvesszen"},
                      StemCase{{"megőriz", "230119011"}, "megőriz", "megőrizzen"},
                      StemCase{{"megeszik", "220137012"}, "mege", "megegyen"},
                      StemCase{{"fogamzik", "110159000"}, "fogamz", "fogamzzon"},
                      StemCase{{"összecsapzik", "210159000"}, "összecsapz", "összecsapzzon"},
                      StemCase{{"agarászik", "110157000"}, "agaráss", "agarásszon"},
                      StemCase{{"viszonylik", "11N164200"}, "viszonyul", "viszonyuljon"},
                      StemCase{{"ugrik", "110142100"}, "ugor", "ugorjon"},
                      StemCase{{"melegszik", "12013a000"}, "meleged", "melegedjen"},
                      StemCase{{"emlékszik", "120152000"}, "emlékez", "emlékezzen"},
                      // "aránylik" inserts the vowel as the other -lik verbs ("arányljon" under its stated
                      // class "6d"); "85" once without a marker of its own takes the "s" of "39".
                      StemCase{{"aránylik", "11N164200"}, "arányol", "arányoljon"},
                      StemCase{{"bujdosik", "110185000"}, "bujdos", "bujdosson"}));

TEST(ImperativeShortForms, ShownOnlyWhileTheToggleOffersTheLongOnes) {
  const CodedVerb var{"vár", "110101011"};
  const ConjugationState shortForms = imperativeOf(var, ImperativeForms::shortForms);
  EXPECT_EQ(shortForms.stem + shortForms.endings.sg2Subj, "várj");
  EXPECT_EQ(shortForms.stem + shortForms.endings.sg2Obj, "várd");
  for (ImperativeForms forms : {ImperativeForms::longForms, ImperativeForms::untouched}) {
    SCOPED_TRACE(forms == ImperativeForms::longForms ? "long forms asked for" : "toggle untouched");
    const ConjugationState longForms = imperativeOf(var, forms);
    EXPECT_EQ(longForms.stem + longForms.endings.sg2Subj, "várjál");
    EXPECT_EQ(longForms.stem + longForms.endings.sg2Obj, "várjad");
  }
}

TEST(ImperativeShortForms, ShortStemClassesDoubleTheD) {
  const ConjugationState s = imperativeOf({"hisz", "120125011"}, ImperativeForms::shortForms);
  EXPECT_EQ(s.stem + s.endings.sg2Subj, "higgy");
  EXPECT_EQ(s.stem + s.endings.sg2Obj, "hidd");
}

TEST(ImperativeEndings, UnknownVowelClassTakesTheFrontColumnWithEn) {
  ConjugationState s = preparedVerb("kér", "120101011", imperative);
  s.vowelClass = noVowelClass;
  felsz(s);
  EXPECT_EQ(s.endings.sg3Subj, "jen");
  EXPECT_EQ(s.endings.sg1Subj, "jek");
}

// A cut longer than the word keeps the whole word rather than running past its start.
TEST(ImperativeStemCuts, ACutLongerThanTheWordKeepsWhatThereIs) {
  struct Case {
    const char* verb;
    const char* classCode;
    const char* stem;
  };
  for (const Case& c : {Case{"t", "14", "ts"}, Case{"ik", "51", "iks"}, Case{"ik", "2a", "ikess"}}) {
    ConjugationState s = testing::stateForEntry(c.verb);
    s.classCode = c.classCode;
    s.vowelClass = VowelClass::back;
    s.baseStem.assign(c.verb);
    s.stem = c.verb;
    felsz(s);
    EXPECT_EQ(s.stem, c.stem) << c.verb << " " << c.classCode;
  }
}

}  // namespace
}  // namespace ragozo
