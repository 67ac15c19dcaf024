// The present indicative endings: whole paradigms by vowel class, class and stem end.
#include "inflection/PresentIndicative.h"

#include <gtest/gtest.h>

#include "inflection/SlotRows.h"
#include "support/EntryState.h"

namespace ragozo {
namespace {

using testing::SlotRow;

// The fields `jelen` reads, as the stem builders leave them.
struct PresentCase {
  const char* verb;
  const char* classCode;
  int vowelClass;
  const char* baseStem;
  SlotRow slots;
};

void PrintTo(const PresentCase& c, std::ostream* os) { *os << c.verb << " (" << c.classCode << ")"; }

class PresentSlots : public ::testing::TestWithParam<PresentCase> {};

TEST_P(PresentSlots, FillAllThirteenSlots) {
  const PresentCase& c = GetParam();
  ConjugationState s = testing::stateForEntry(c.verb);
  s.classCode = c.classCode;
  s.vowelClass = static_cast<VowelClass>(c.vowelClass);
  s.baseStem.assign(c.baseStem);
  s.endings.sg3Subj = "left over";
  s.marker = "kept";
  jelen(s);
  EXPECT_EQ(s.endings, testing::slotsOf(c.slots));
  EXPECT_EQ(s.marker, "kept");  // the present has no marker
}

INSTANTIATE_TEST_SUITE_P(
    Paradigms, PresentSlots,
    ::testing::Values(
        PresentCase{"ad", "07", 1, "ad",
                    {"ok", "om", "sz", "od", "", "ja", "unk", "juk", "tok", "játok", "nak", "ják", "lak"}},
        PresentCase{"kér", "01", 2, "kér",
                    {"ek", "em", "sz", "ed", "", "i", "ünk", "jük", "tek", "itek", "nek", "ik", "lek"}},
        PresentCase{"olvas", "17", 1, "olvas",
                    {"ok", "om", "ol", "od", "", "sa", "unk", "suk", "tok", "sátok", "nak", "sák", "lak"}},
        PresentCase{"főz", "18", 3, "főz",
                    {"ök", "öm", "öl", "öd", "", "i", "ünk", "zük", "tök", "itek", "nek", "ik", "lek"}},
        PresentCase{"mond", "10", 1, "mond",
                    {"ok", "om", "asz", "od", "", "ja", "unk", "juk", "tok", "játok", "anak", "ják", "alak"}},
        PresentCase{"küld", "10", 3, "küld",
                    {"ök", "öm", "esz", "öd", "", "i", "ünk", "jük", "tök", "itek", "enek", "ik", "elek"}},
        PresentCase{"ajánl", "04", 1, "ajánl",
                    {"ok", "om", "asz", "od", "", "ja", "unk", "juk", "otok", "játok", "anak", "ják", "lak"}},
        PresentCase{"áll", "02", 1, "áll",
                    {"ok", "om", "sz", "od", "", "ja", "unk", "juk", "tok", "játok", "nak", "ják", "ak"}},
        PresentCase{"alszik", "3c", 1, "alsz",
                    {"om", "om", "ol", "od", "ik", "ssza", "unk", "sszuk", "otok", "sszátok", "anak", "sszák",
                     "alak"}},
        PresentCase{"hisz", "25", 2, "hisz",
                    {"ek", "em", "el", "ed", "", "i", "ünk", "sszük", "tek", "itek", "nek", "ik", "lek"}},
        PresentCase{"edz", "20", 2, "edz",
                    {"ek", "em", "el", "ed", "", "i", "ünk", "ddzük", "etek", "itek", "enek", "ik", "elek"}},
        PresentCase{"izzik", "6a", 1, "izz",
                    {"ok", "om", "ol", "od", "ik", "a", "unk", "uk", "otok", "átok", "anak", "ák", "alak"}},
        PresentCase{"őriz", "19", 3, "őriz",
                    {"ök", "öm", "öl", "öd", "", "i", "ünk", "zük", "tek", "itek", "nek", "ik", "lek"}},
        PresentCase{"bujdosik", "85", 1, "bujdos",
                    {"ok", "om", "ol", "od", "ik", "sa", "unk", "suk", "tok", "sátok", "nak", "sák", "lak"}},
        PresentCase{"fürdik", "89", 3, "fürd",
                    {"ök", "öm", "esz", "öd", "ik", "i", "ünk", "jük", "ötök", "itek", "enek", "ik", "elek"}},
        PresentCase{"ugrik", "42", 1, "ugr",
                    {"om", "om", "asz", "od", "ik", "ja", "unk", "juk", "otok", "játok", "anak", "ják", "lak"}},
        PresentCase{"hullik", "72", 1, "hull",
                    {"ok", "om", "asz", "od", "ik", "ja", "unk", "juk", "otok", "játok", "anak", "ják", "ak"}},
        PresentCase{"bolyong", "09", 1, "bolyong",
                    {"ok", "om", "sz", "od", "", "ja", "unk", "juk", "tok", "játok", "anak", "ják", "alak"}},
        PresentCase{"hangzik", "44", 1, "hangz",
                    {"om", "om", "ol", "od", "ik", "za", "unk", "zuk", "otok", "zátok", "anak", "zák", "lak"}},
        PresentCase{"melegszik", "3a", 2, "meleged",
                    {"em", "em", "el", "ed", "ik", "i", "ünk", "jük", "tek", "itek", "nek", "ik", "lek"}}));

TEST(PresentSlots, VowelClassOutsideTheThreeSkipsTheLinkingVowel) {
  ConjugationState s = testing::stateForEntry("mond");
  s.classCode = "10";
  s.vowelClass = noVowelClass;
  s.baseStem.assign("mond");
  jelen(s);
  EXPECT_EQ(s.endings.sg2Subj, "sz");
  EXPECT_EQ(s.endings.pl3Subj, "nek");
}

}  // namespace
}  // namespace ragozo
