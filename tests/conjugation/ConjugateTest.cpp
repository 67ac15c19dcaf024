// The engine's one call: how a request ends, the toggles the verb calls for, and what its
// restrictions leave of the table.
#include "conjugation/Conjugate.h"

#include <gtest/gtest.h>

#include "support/Conjugation.h"

namespace ragozo::testing {
namespace {

constexpr const char* kNotObjective = "Ezt az igét nem szoktuk tárgyas ragozásban használni.";
constexpr const char* kNotImperative = "Ezt az igét nem szoktuk felszólító módban használni.";

struct RestrictionCase {
  const char* name;
  FormsCase request;
  OfferedToggles offered;  // all persons, objective, imperative, short/long imperative
  const char* notice;
};

// A verb used in the third persons only shows those, in both columns when it is used in the
// objective conjugation; one used in the third person singular only shows that one; a verb not used in the objective conjugation leaves that column empty; a verb
// not used in the imperative leaves the imperative table empty. Each offers its toggle, which
// shows the rest; the imperative always offers its short or long forms while it shows.
TEST(Conjugate, RestrictionsBlankWhatTheVerbIsNotUsedInAndOfferTheirToggles) {
  const RestrictionCase cases[] = {
      {"a plain verb", {{"vár"}, presentIndicative, {}, "várok vársz vár várunk vártok várnak | várom várod várja várjuk várjátok várják várlak"},
       {}, ""},
      {"the imperative", {{"vár"}, imperative, {}, "várjak várjál várjon várjunk várjatok várjanak | várjam várjad várja várjuk várjátok várják várjalak"},
       {false, false, false, true}, ""},
      {"third persons only", {{"érzik"}, presentIndicative, {}, "- - érzik - - érzenek | - - - - - - -"},
       {true, true, false, false}, kNotObjective},
      {"third persons shown anyway", {{"érzik"}, presentIndicative, {.allPersons = true}, "érzem érzel érzik érzünk érzetek érzenek | - - - - - - -"},
       {true, true, false, false}, kNotObjective},
      {"third persons only, used objectively", {{"áthat"}, presentIndicative, {}, "- - áthat - - áthatnak | - - áthatja - - áthatják -"},
       {true, false, false, false}, ""},
      {"third person singular only", {{"akaródzik"}, presentIndicative, {}, "- - akaródzik - - - | - - - - - - -"},
       {true, true, false, false}, kNotObjective},
      {"not used in the objective conjugation", {{"fekszik"}, presentIndicative, {}, "fekszem fekszel fekszik fekszünk fekszetek fekszenek | - - - - - - -"},
       {false, true, false, false}, kNotObjective},
      {"not used in the imperative", {{"alábocsájt"}, imperative, {}, "- - - - - - | - - - - - - -"},
       {false, false, true, false}, kNotImperative},
      {"the imperative shown anyway", {{"alábocsájt"}, imperative, {.imperative = true}, "alábocsájtsak alábocsájtsál alábocsájtson alábocsájtsunk alábocsájtsatok alábocsájtsanak | alábocsájtsam alábocsájtsad alábocsájtsa alábocsájtsuk alábocsájtsátok alábocsájtsák alábocsájtsalak"},
       {false, false, false, true}, kNotImperative},
      {"both restrictions, the imperative shown anyway", {{"virrad"}, imperative, {.imperative = true}, "- - virradjon - - virradjanak | - - - - - - -"},
       {true, true, false, true}, kNotImperative},
      {"the irregular class offers no objective column", {{"megy"}, presentIndicative, {}, "megyek mész megy megyünk mentek mennek | - - - - - - -"},
       {}, kNotObjective},
  };
  for (const RestrictionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Shown shown = TypedEntry(c.request.verb).conjugate(c.request.mood, c.request.toggles);
    expectCells(shown, c.request.cells);
    EXPECT_EQ(shown.end, ConjugationEnd::shown);
    EXPECT_EQ(shown.offered, c.offered);
    EXPECT_EQ(shown.notice, c.notice);
    EXPECT_TRUE(shown.dialogs.empty());
  }
}

// Blanking the imperative table of a verb not used in it is a result shown: the derived boxes
// and the notice stay.
TEST(Conjugate, TheImperativeRestrictionKeepsTheBoxesAndGivesItsNotice) {
  const Shown shown = conjugated("alábocsájt", imperative);
  EXPECT_EQ(shown.end, ConjugationEnd::shown);
  EXPECT_EQ(shown.notice, kNotImperative);
  expectBox(shown, infinitiveBox, "alábocsájtani");
}

// A verb conjugated again in another tense and mood shows that mood's forms in every cell.
TEST(Conjugate, AnotherTenseAndMoodOfTheSameEntryRewritesEveryCell) {
  TypedEntry entry("ad");
  const FormsCase moods[] = {
      {{"ad"}, imperative, {}, "adjak adjál adjon adjunk adjatok adjanak | adjam adjad adja adjuk adjátok adják adjalak"},
      {{"ad"}, presentIndicative, {}, "adok adsz ad adunk adtok adnak | adom adod adja adjuk adjátok adják adlak"},
      {{"ad"}, pastIndicative, {}, "adtam adtál adott adtunk adtatok adtak | adtam adtad adta adtuk adtátok adták adtalak"},
      {{"ad"}, presentConditional, {}, "adnék adnál adna adnánk adnátok adnának | adnám adnád adná adnánk adnátok adnák adnálak"},
  };
  for (const FormsCase& c : moods) expectCells(entry.conjugate(c.mood), c.cells);
}

}  // namespace
}  // namespace ragozo::testing
