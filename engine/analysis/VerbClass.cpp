// The table of class properties: each property and the classes that have it.
#include "analysis/VerbClass.h"

#include <array>
#include <cstddef>

namespace ragozo {
namespace {

using enum ClassProperty;

struct PropertyRow {
  ClassProperty property;
  std::string_view classes;  // codes separated by blanks
};

// Each property once, with every class that has it. The -ik classes come in threes by vowel
// class (back, front unrounded, front rounded: "41", "64", "87").
constexpr PropertyRow kTable[] = {
    {shortStem, "25 37 60 83"},
    {linkingVowel, "41 64 87 8d 42 65 88 66 4a 44 67 90 89"},
    {unstableVowel, "05 06 08 19"},
    {sibilantIk, "34 57 80 35 58 81 36 59 82"},
    {szikDStem, "3a 33 3b 52 3c"},
    {likeVesz, "2a"},
    {likeMelegszik, "3a"},
    {likeHaragszik, "33"},
    {likeAlkuszik, "3b"},
    {likeFekszik, "3c"},
    {likeEmlekszik, "52"},
    {likeLo, "24"},
    {likeIzzik, "6a"},
    {likeFuldoklik, "8d"},
    {likeFurdik, "89"},
    {irregular, "99"},
    {unstableVowelInPast, "08 19"},
    {pastThirdOnBaseStem, "6a 41 64 87 42 65 88"},
    {pastLinkingVowelStem, "66 4a 8d 89"},
    // The -kik class "50" stands with its kin "73" and "96": with a linking vowel it gave the
    // plainly wrong "bukana" for "bukna".
    {conditionalMarkerN, "01 02 05 06 07 08 11 16 17 18 19 21 23 24 2a 30 31 32 33 34 38 39 3a 3b 3c 40 46 47 48 "
                         "49 4a 50 51 52 53 54 55 56 57 61 62 63 69 70 71 73 74 76 77 78 79 80 84 85 8d 92 93 94 "
                         "96 97 99"},
    {conditionalMarkerLinked, "03 04 09 10 12 13 14 15 20 22 26 27 28 29 35 36 41 42 43 44 45 58 59 64 65 66 67 68 "
                              "6a 72 81 82 86 87 88 89 90 91 95"},
    {shortObjectiveDd, "24 25 37 83"},
    {shortObjectiveSd, "12 13 27 26"},
    {shortObjectiveZd, "21 22 34 57 80 35 58 81 36 59 82"},
    {shortObjectiveStemLessOne, "14 21 22 26"},
    {likeEdz, "20"},
    {dzikStem, "40 63"},
    {presentFirstPersonM, "30 31 32 3a 3b 3c 33 34 35 36 37 38 39 40 41 42 43 4a 44 45 46 47 48 49 50 51 52 76 77 "
                          "78 79 80 81 82 83 84 86 87 88 90 91 92 93 94 95 96 97 98"},
    {presentLinkingVowel, "03 04 6a 10 12 13 14 15 20 22 26 27 28 29 3c 35 58 81 36 59 82 41 64 87 42 65 88 43 66 "
                          "89 45 68 91 49 72 95"},
    {likeKuld, "10"},
    {firstToSecondAk, "49 72 95"},
    {likeAjanl, "04"},
    {likeUgrik, "42"},
    {presentPluralLinkingVowel, "44 67 90"},
    {likeBolyong, "09"},
    {presentSecondPluralTok, "66"},
    {pastMarkerT, "01 02 05 06 11 3c 46 69 92 47 70 93 48 71 99"},
    {pastMarkerTLinkedThird, "2a 07 08 09 10 16 17 18 19 21 30 31 32 3a 3b 3c 33 54 77 56 79 34 57 80 8d 38 61 84 "
                             "39 62 40 63 66 4a 50 73 96 51 74 52 89 85"},
    // "6d" stands with its neighbour "64" ("aránylottam"), so it never inherits an earlier marker.
    {pastMarkerLinked, "03 04 6a 12 13 14 15 20 22 23 26 27 28 29 35 58 81 36 59 82 41 64 87 42 65 88 44 67 90 45 "
                       "68 49 72 91 95 6d"},
    {pastMarkerTt, "24 25 37 60 83"},
    {likeAranylik, "6d"},
    {likeVerzik, "4a"},
    {likeAkaszt, "14"},
    {imperativeSOnBaseLessOne, "16 21 22 23 29"},
    {imperativeSOnEntryLessThree, "51 74"},
    {likeFest, "15"},
    {likeVeszt, "26"},
    {imperativeMarkerJ, "01 02 03 04 05 06 07 08 09 10 11 24 31 54 77 32 3a 3b 3c 33 41 64 87 8d 42 65 88 66 45 68 "
                        "46 69 92 47 70 93 48 71 49 72 95 50 73 91 96 99 89 6d"},
    {imperativeMarkerS, "12 13 15 16 17 23 26 27 29 39 62 51 74 85"},
    {imperativeMarkerZ, "2a 14 18 19 20 21 22 28 30 34 52 57 6a 4a 44 67 90 80 35 58 81 36 59 82 38 61 84 40 63"},
    {fixedIrregularForms, "25 37 83 99"},
    {presentSecondSingularOnAltStem, "6a 19 30 32 33 3a 3c 3b 52 41 64 87 42 65 88 66 4a 44 67 90"},
    {presentThirdSingularOnAltStem, "30 32 3a 3b 3c"},
    {presentSecondPluralOnAltStem, "44 67 90 3b 6a 41 64 87 42 65 88"},
    {presentThirdPluralOnAltStem, "3b 6a 41 64 87 42 65 88 66 44 67 90"},
    {pastThirdSingularOnAltStem, "6a 08 19 41 64 87 8d 42 65 88 66 4a"},
    {likeEszik, "37 83"},
    {presentFirstToSecondLak, "41 64 87"},
    {firstToSecondOnAltStem, "65 88"},
    {shortObjectiveImperative, "14 20 21 22 34 57 80 35 58 81 36 59 82 40 63"},
    {derivedFromBaseStem, "2a 34 6a 57 80 35 58 81 36 59 82 40 63 86 51 74 97 89 42"},
    {participlesOnBaseStem, "4a 6a 14 15 16 20 21 22 23 26 29 44 67 90 41 64 87 8d"},
    {noCausativeSzik, "3a 33 52"},
    {causativeOnLinkingVowelStem, "41 64 87 8d 4a 44 67 90"},
    // "6d" has no marker of its own and takes that of its neighbour "64".
    {infinitiveOnBaseStem, "6a 14 15 16 20 21 22 23 26 29 44 67 90 41 64 87 6d"},
    {infinitiveWithoutLinkingMarker, "16 21 23"},
    {infinitiveOnLinkingVowelStem, "4a 8d"},
    {irregularAdverbialParticiple, "25 3c 37 83 99"},
    {presentParticipleVStem, "3b 33 52"},
    {actionNounVStem, "3b 33 37 83 52"},
    {likeTesz, "25"},
    {likeAdatik, "51"},
};

constexpr std::size_t kPropertyCount = static_cast<std::size_t>(ClassProperty::count);
static_assert(kPropertyCount <= 128, "the properties of a class fit two words");

using PropertySet = std::array<std::uint64_t, 2>;

constexpr std::array<PropertySet, VerbClass::kCount> buildProperties() {
  std::array<PropertySet, VerbClass::kCount> sets{};
  for (const PropertyRow& row : kTable) {
    std::string_view codes = row.classes;
    while (!codes.empty()) {
      const std::size_t blank = codes.find(' ');
      const std::string_view code = codes.substr(0, blank);
      codes = blank == std::string_view::npos ? std::string_view{} : codes.substr(blank + 1);
      const int index = VerbClass::indexOf(code);
      // A code the classes cannot hold stops the build here.
      if (index == 0) throw "not a class code";
      const auto bit = static_cast<std::size_t>(row.property);
      sets[static_cast<std::size_t>(index)][bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
  }
  return sets;
}

constexpr std::array<PropertySet, VerbClass::kCount> kProperties = buildProperties();

}  // namespace

bool VerbClass::is(ClassProperty property) const {
  const auto bit = static_cast<std::size_t>(property);
  return (kProperties[index_][bit / 64] >> (bit % 64) & 1) != 0;
}

}  // namespace ragozo
