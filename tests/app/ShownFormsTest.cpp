// What the window shows for one request, read as the headless tool prints it.
//
// Each row is one request line of the tool ("verb --mood imperative --short"), run in a fresh
// session over the tests' lexicon or over a lexicon of its own, and the items the user reads
// there: cells ("r2c1" is row 2 of the subjective column, "r7c2" the -lak/-lek form), the notice
// line and message boxes. Going through the tool's requests keeps these cases independent of
// how the window logic names its handlers. The forms follow the stem and ending rules and were
// checked against hunspell-hu where it knows the verb.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "HeadlessRun.h"
#include "support/FixtureLexicon.h"

namespace ragozo::testing {
namespace {

constexpr const char* kPresumed = "A forma alapján feltételezett igealakok:";
constexpr const char* kNotInLexicon = "Ilyen ige nem szerepel az adatbázisban, de ha létezik, ragozása a következő:";

struct ShownCase {
  const char* name;
  const char* request;
  // word<TAB>code lines of a lexicon of the case's own; empty for the tests' lexicon.
  const char* lexicon;
  std::vector<std::pair<std::string, std::string>> shown;  // item, text
};

// Runs one request line and returns every item the tool printed, by item name.
std::map<std::string, std::string> shownItems(const ShownCase& c) {
  window::LexiconFill fill = storeFixtureLexicon;
  if (*c.lexicon != '\0') {
    fill = [text = std::string(c.lexicon)](Lexicon& lexicon) { storeEntries(lexicon, parseEntries(text)); };
  }
  std::istringstream in(c.request);
  std::ostringstream out, err;
  EXPECT_TRUE(headless::runVerbs(in, out, err, headless::RunOptions{}, fill)) << err.str();
  std::map<std::string, std::string> items;
  std::istringstream printed(out.str());
  for (std::string line; std::getline(printed, line);) {
    // verb, tense and mood, item, text
    const std::size_t itemStart = line.find('\t', line.find('\t') + 1) + 1;
    const std::size_t textStart = line.find('\t', itemStart);
    items[line.substr(itemStart, textStart - itemStart)] = line.substr(textStart + 1);
  }
  return items;
}

class ShownForms : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownForms, AsTheUserReadsThem) {
  const ShownCase& c = GetParam();
  const std::map<std::string, std::string> items = shownItems(c);
  for (const auto& [item, text] : c.shown) {
    const auto found = items.find(item);
    ASSERT_NE(found, items.end()) << item;
    EXPECT_EQ(found->second, text) << item;
  }
}

const ShownCase kCases[] = {
    // -dzik: the imperative doubles the d before the "z" marker, long and short.
    {"dzikImperative", "csókolódzik --mood imperative", "",
     {{"r1c1", "  csókolóddzak"}, {"r2c1", "  csókolóddzál"}, {"r3c1", "  csókolóddzon"},
      {"r4c1", "  csókolóddzunk"}, {"r5c1", "  csókolóddzatok"}, {"r6c1", "  csókolóddzanak"}}},
    {"dzikShortImperative", "csókolódzik --mood imperative --short", "", {{"r2c1", "  csókolóddz"}}},
    {"dzikImperativeThirdPersons", "bimbódzik --mood imperative", "",
     {{"r1c1", ""}, {"r3c1", "  bimbóddzon"}, {"r6c1", "  bimbóddzanak"}}},

    // No lexicon verb carries class "66"; a -dik verb given it keeps the inserted vowel of the
    // second person plural ("tök") and of the -lak/-lek form, and the present stems elsewhere.
    {"class66Present", "fürdik --all-persons --objective", "fürdik\t130166100\n",
     {{"r1c1", "  fürdök"}, {"r2c1", "  fürdesz"}, {"r3c1", "  fürdik"}, {"r4c1", "  fürdünk"},
      {"r5c1", "  fürödtök"}, {"r6c1", "  fürdenek"}, {"r7c2", "  (fürödlek)"}}},

    // Front rounded verbs take the front unrounded conditional endings, with or without the
    // linking vowel of their class.
    {"frontRoundedConditional", "főz --mood conditional", "",
     {{"r1c1", "  főznék"}, {"r2c1", "  főznél"}, {"r3c1", "  főzne"}, {"r4c1", "  főznénk"},
      {"r5c1", "  főznétek"}, {"r6c1", "  főznének"}, {"r1c2", "  főzném"}, {"r3c2", "  főzné"},
      {"r6c2", "  főznék"}, {"r7c2", "  főznélek"}}},
    {"frontRoundedConditionalLinked", "küld --mood conditional", "",
     {{"r1c1", "  küldenék"}, {"r3c1", "  küldene"}, {"r5c1", "  küldenétek"}, {"r2c2", "  küldenéd"},
      {"r7c2", "  küldenélek"}}},
    {"frontRoundedConditionalUnstable", "őriz --mood conditional", "",
     {{"r3c1", "  őrizne"}, {"r5c1", "  őriznétek"}, {"r3c2", "  őrizné"}}},

    // The short objective second person of the imperative: the sibilant stem before "d" in
    // place of the doubled one, the other cells long.
    {"shortObjectiveImperativeAkaszt", "akaszt --mood imperative --short", "",
     {{"r2c1", "  akassz"}, {"r2c2", "  akaszd"}, {"r3c2", "  akassza"}, {"r7c2", "  akasszalak"}}},
    {"longObjectiveImperativeAkaszt", "akaszt --mood imperative", "", {{"r2c2", "  akasszad"}}},
    {"shortObjectiveImperativeCsempesz", "csempész --mood imperative --short", "",
     {{"r2c2", "  csempészd"}, {"r1c2", "  csempésszem"}}},
    {"shortObjectiveImperativeMetsz", "metsz --mood imperative --short", "", {{"r2c2", "  metszd"}}},
    {"shortObjectiveImperativeJatszik", "játszik --mood imperative --short", "",
     {{"r2c1", "  játssz"}, {"r2c2", "  játszd"}}},
    {"shortObjectiveImperativeEdz", "edz --mood imperative --short", "",
     {{"r2c1", "  eddz"}, {"r2c2", "  edzd"}, {"r3c2", "  eddze"}}},

    // Verbs the lexicon lacks: classified from the ending and shown as presumed, or found
    // without their preverb and shown with it.
    {"unknownVerbPresent", "dolgozik", "",
     {{"beep", ""}, {"message", kNotInLexicon}, {"notice", kPresumed}, {"r2c1", "  dolgozol"},
      {"r3c1", "  dolgozik"}, {"r4c1", "  dolgozunk"}, {"r5c1", "  dolgoztok"}, {"r6c1", "  dolgoznak"}}},
    {"unknownVerbPast", "dolgozik --mood past", "",
     {{"notice", kPresumed}, {"r1c1", "  dolgoztam"}, {"r3c1", "  dolgozott"}, {"r6c1", "  dolgoztak"}}},
    {"unknownVerbConditional", "dolgozik --mood conditional", "",
     {{"notice", kPresumed}, {"r1c1", "  dolgoznék"}, {"r3c1", "  dolgozna"}}},
    {"unknownVerbImperative", "dolgozik --mood imperative", "",
     {{"notice", kPresumed}, {"r1c1", "  dolgozzak"}, {"r3c1", "  dolgozzon"}, {"r6c1", "  dolgozzanak"}}},
    {"unknownCompoundOfAKnownVerb", "megvár", "",
     {{"message", "A(z) 'vár' ige ezzel az igekötővel nem szerepel az adatbázisban. De ha létezik, ragozása a "
                  "következő."},
      {"notice", "Feltételezett igekötős változat:"}, {"r1c1", "  megvárok"}, {"r3c2", "  megvárja"},
      {"r7c2", "  megvárlak"}}},
};

INSTANTIATE_TEST_SUITE_P(Requests, ShownForms, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ShownCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ragozo::testing
