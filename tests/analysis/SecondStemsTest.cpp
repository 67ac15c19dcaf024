// The second stems of each tense and mood, from the entry through the look-up.
#include "analysis/SecondStems.h"

#include <gtest/gtest.h>

#include <string>

#include "support/AnalysisSteps.h"

namespace ragozo {
namespace {

using testing::analysed;

struct SecondStemCase {
  const char* entry;
  Mood mood;
  const char* stem;
  const char* stemAlt;
  const char* pastStemAlt;
  const char* baseStem;
};

std::string caseName(const SecondStemCase& c) {
  static const char* const kMoods[] = {"", "present", "past", "conditional", "imperative"};
  return std::string(c.entry) + " in the " + kMoods[c.mood];
}

void expectStems(const SecondStemCase& c) {
  SCOPED_TRACE(caseName(c));
  const ConjugationState s = analysed(c.entry, c.mood);
  EXPECT_EQ(s.stem, c.stem);
  EXPECT_EQ(s.stemAlt, c.stemAlt);
  EXPECT_EQ(s.pastStemAlt, c.pastStemAlt);
  EXPECT_EQ(s.baseStem.text(), c.baseStem);
}

TEST(Tovek, SzikVerbsGetTheirStemsInEveryMood) {
  const SecondStemCase cases[] = {
      {"alszik", presentIndicative, "alsz", "alsz", "", "alsz"},
      {"alszik", pastIndicative, "alud", "", "", "alud"},
      {"fekszik", presentConditional, "feküd", "", "", "feküd"},
      {"haragszik", presentIndicative, "haragud", "haragsz", "", "haragud"},
      {"haragszik", pastIndicative, "haragud", "", "", "haragud"},
      {"haragszik", imperative, "haragud", "", "", "haragud"},
      {"cselekszik", presentIndicative, "cseleked", "cseleksz", "", "cseleked"},
      {"nyugszik", pastIndicative, "nyugod", "", "", "nyugod"},
      {"gyanakszik", pastIndicative, "gyanakod", "", "", "gyanakod"},
      {"dicsekszik", pastIndicative, "dicseked", "", "", "dicseked"},
      {"melegszik", presentIndicative, "meleged", "melegsz", "", "meleged"},
      {"melegszik", imperative, "meleged", "", "", "meleged"},
      {"emlékszik", presentIndicative, "emlékez", "emléksz", "", "emlékez"},
      {"emlékszik", imperative, "emlékez", "", "", "emlékez"},
      {"alkuszik", pastIndicative, "alkud", "", "", "alkusz"},
      {"alkuszik", presentIndicative, "alkud", "alkusz", "", "alkusz"},
      {"vész", presentIndicative, "vesz", "vesz", "", "vesz"},
  };
  for (const SecondStemCase& c : cases) expectStems(c);
}

TEST(Tovek, PresentSecondStems) {
  const SecondStemCase cases[] = {
      {"énekel", presentIndicative, "énekel", "énekl", "", "énekel"},
      {"sodor", presentIndicative, "sodor", "sodr", "", "sodor"},
      {"ácsorog", presentIndicative, "ácsorog", "ácsorg", "", "ácsorog"},
      {"jegyez", presentIndicative, "jegyez", "jegyz", "", "jegyez"},
      {"ugrik", presentIndicative, "ugor", "ugr", "", "ugr"},
      {"bomlik", presentIndicative, "bomol", "boml", "", "boml"},
      {"omlik", presentIndicative, "omol", "oml", "", "oml"},
      {"vérzik", presentIndicative, "vérez", "vérz", "", "vérz"},
      {"fürdik", presentIndicative, "füröd", "fürd", "", "fürd"},
      {"lő", presentIndicative, "lő", "löv", "", "lő"},
      {"ró", presentIndicative, "ró", "rov", "", "ró"},
      {"sí", presentIndicative, "sí", "sív", "", "sí"},
      {"nyű", presentIndicative, "nyű", "nyüv", "", "nyű"},
      {"izzik", presentIndicative, "izz", "izz", "", "izz"},
      {"ad", presentIndicative, "ad", "ad", "", "ad"},
  };
  for (const SecondStemCase& c : cases) expectStems(c);
}

TEST(Tovek, PastConditionalAndImperativeStems) {
  const SecondStemCase cases[] = {
      {"lő", pastIndicative, "lő", "", "", "lő"},
      {"énekel", pastIndicative, "énekel", "", "", "énekel"},
      {"ácsorog", pastIndicative, "ácsorog", "", "ácsorg", "ácsorog"},
      {"érez", pastIndicative, "érez", "", "érz", "érez"},
      {"ugrik", pastIndicative, "ugr", "", "ugr", "ugr"},
      {"izzik", pastIndicative, "izz", "izzik", "izz", "izz"},
      {"vérzik", pastIndicative, "vérez", "", "vérz", "vérz"},
      {"fürdik", pastIndicative, "füröd", "", "fürd", "fürd"},
      {"fuldoklik", pastIndicative, "fuldokol", "", "fuldokl", "fuldokl"},
      {"ad", pastIndicative, "ad", "", "", "ad"},
      {"vérzik", presentConditional, "vérz", "", "", "vérz"},
      {"fuldoklik", presentConditional, "fuldokol", "", "", "fuldokl"},
      {"tündöklik", presentConditional, "tündököl", "", "", "tündökl"},
      {"ugrik", imperative, "ugor", "", "", "ugr"},
      {"omlik", imperative, "omol", "", "", "oml"},
      {"ad", imperative, "ad", "", "", "ad"},
  };
  for (const SecondStemCase& c : cases) expectStems(c);
}

TEST(Tovek, ASecondCallInTheImperativeGivesTheSameStem) {
  ConjugationState s = analysed("ugrik", imperative);
  tovek(s);
  EXPECT_EQ(s.stem, "ugor");
  EXPECT_EQ(s.baseStem.text(), "ugr");
}

TEST(Tovek, AMoodOutsideTheFourRunsTheSzikStepOnly) {
  const ConjugationState s = analysed("melegszik", noMood);
  EXPECT_EQ(s.stem, "meleged");
  EXPECT_EQ(s.stemAlt, "");
  EXPECT_EQ(analysed("ugrik", noMood).stem, "ugr");
}

}  // namespace
}  // namespace ragozo
