// The engine's one call: how a request ends, the toggles the verb calls for, and the forms it gives.
#include "conjugation/Conjugate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/TableBlanking.h"
#include "support/EntryState.h"
#include "support/FixtureLexicon.h"
#include "support/RecordingDialogs.h"

namespace ragozo::testing {
namespace {

constexpr const char* kNotObjective = "Ezt az igét nem szoktuk tárgyas ragozásban használni.";
constexpr const char* kNotImperative = "Ezt az igét nem szoktuk felszólító módban használni.";

struct ConjugateCase {
  const char* name;
  const char* verb;
  Mood mood;
  bool imperativeAnyway;
  ConjugationEnd end;
  OfferedToggles offered;  // all persons, objective, imperative, short/long imperative
  const char* sg1Subjective;
  const char* sg3Subjective;
  const char* notice;
  std::vector<std::string> transcript;
};

TEST(Conjugate, EndsOffersTogglesAndGivesTheForms) {
  const ConjugateCase cases[] = {
      {"a plain verb", "vár", presentIndicative, false, ConjugationEnd::shown, {}, "  várok", "  vár", "", {}},
      {"the imperative offers short or long forms", "vár", imperative, false, ConjugationEnd::shown,
       {false, false, false, true}, "  várjak", "  várjon", "", {}},
      {"a verb not used in the imperative is blanked there", "alábocsájt", imperative, false,
       ConjugationEnd::shown, {false, false, true, false}, "", "", kNotImperative, {}},
      {"... unless its toggle asks for it", "alábocsájt", imperative, true, ConjugationEnd::shown,
       {false, false, false, true}, "  alábocsájtsak", "  alábocsájtson", kNotImperative, {}},
      {"a third-person verb keeps its third persons", "érzik", presentIndicative, false, ConjugationEnd::shown,
       {true, true, false, false}, "", "  érzik", kNotObjective, {}},
      {"a subjective verb offers its objective column", "fekszik", presentIndicative, false,
       ConjugationEnd::shown, {false, true, false, false}, "  fekszem", "  fekszik", kNotObjective, {}},
      {"an impossible ending is refused", "adhatat", presentIndicative, false, ConjugationEnd::refused, {}, "",
       "", "", {"message: Nincs ilyen ige."}},
      {"a word neither found nor guessed stops", "xyz", presentIndicative, false, ConjugationEnd::stopped, {}, "",
       "", "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ",
       {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}},
  };
  for (const ConjugateCase& c : cases) {
    SCOPED_TRACE(c.name);
    ConjugationState s = stateForEntry(c.verb);
    s.mood = c.mood;
    s.keepTexts = c.mood == imperative;  // as the imperative button leaves it
    s.imperativeAnyway = c.imperativeAnyway;
    RecordingDialogs dialogs;
    const ConjugationResult result = conjugate(s, fixtureLexicon(), dialogs);
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(result.offered, c.offered);
    EXPECT_EQ(result.output.table.cell(1, 1), c.sg1Subjective);
    EXPECT_EQ(result.output.table.cell(3, 1), c.sg3Subjective);
    EXPECT_EQ(result.output.noticeLine, c.notice);
    EXPECT_EQ(dialogs.transcript(), c.transcript);
    EXPECT_EQ(result.output.table.cell(1, 1), s.table.cell(1, 1)) << "the result is what the state shows";
  }
}

TEST(Conjugate, AStopAsksTheWindowToEmptyTheEntryAndLeavesItAlone) {
  ConjugationState s = stateForEntry("xyz");
  s.mood = presentIndicative;
  RecordingDialogs dialogs;
  const ConjugationResult result = conjugate(s, fixtureLexicon(), dialogs);
  EXPECT_TRUE(result.output.emptyEntry);
  EXPECT_EQ(s.entry, "xyz");
}

TEST(Conjugate, AbandoningEmptiesEveryFormButKeepsTheHeadings) {
  ConjugationState s = stateForEntry("vár");
  gridek(s);
  s.mood = presentIndicative;
  RecordingDialogs dialogs;
  conjugate(s, fixtureLexicon(), dialogs);
  ASSERT_EQ(s.derivedBoxes[0], "várni");
  s.lookupOutcome = guessed;
  abandonConjugation(s);
  for (int row = 1; row < ConjugationTable::kRows; ++row) {
    for (int column = 1; column < ConjugationTable::kColumns; ++column) EXPECT_EQ(s.table.cell(row, column), "");
  }
  for (const std::string& box : s.derivedBoxes) EXPECT_EQ(box, "");
  EXPECT_EQ(s.table.cell(0, 1), "Alanyi ragozás");
  EXPECT_EQ(s.lookupOutcome, found);
}

}  // namespace
}  // namespace ragozo::testing
