// A potential verb (-hat/-het) shows only its present participle among the derived forms, and the
// tall view says why; a verb whose own last syllable is "hat" keeps every derived form.
#include <gtest/gtest.h>

#include <string>

#include "WindowSession.h"
#include "derived/DerivedBoxes.h"

namespace ragozo::testing {
namespace {

constexpr const char* kPotentialNotice = "Ható igéből csak folyamatos melléknévi igenevet képzünk.";

struct PotentialCase {
  const char* verb;
  const char* presentParticiple;
  const char* potential;          // "" for a potential verb: its other derived boxes stay empty
  const char* shortViewNotice;
};

constexpr PotentialCase kCases[] = {
    // A lexicon verb in -het, guessed ones in -hat and -het.
    {"lehet", "lehető", "", "Ezt az igét nem szoktuk tárgyas ragozásban használni."},
    {"futhat", "futható", "", "A forma alapján feltételezett igealakok:"},
    {"kérhet", "kérhető", "", "A forma alapján feltételezett igealakok:"},
    // "hat" of the verb itself: a lexicon verb, the bare verb, and one found without its preverb.
    {"áthat", "átható", "áthathat", ""},
    {"hat", "ható", "hathat", ""},
    {"felhat", "felható", "felhathat", "Feltételezett igekötős változat:"},
    {"kér", "kérő", "kérhet", ""},
};

void expectDerivedBoxes(WindowSession& session, const PotentialCase& c) {
  const Shown shown = session.shown();
  expectBox(shown, presentParticipleBox, c.presentParticiple);
  expectBox(shown, potentialBox, c.potential);
  for (int each = infinitiveBox; each <= causativeBox; ++each) {
    const auto box = static_cast<DerivedBox>(each);
    if (box == presentParticipleBox || box == potentialBox) continue;
    if (*c.potential == '\0') {
      expectBox(shown, box, "");
    } else {
      EXPECT_NE(shown.boxes[box], "") << c.verb << ": the " << boxName(box) << " box is empty";
    }
  }
}

TEST(PotentialVerb, KeepsOnlyItsPresentParticipleInEitherViewAndTheTallViewSaysWhy) {
  for (const PotentialCase& c : kCases) {
    SCOPED_TRACE(c.verb);
    const std::string tallViewNotice = *c.potential == '\0' ? kPotentialNotice : c.shortViewNotice;
    WindowSession session;
    session.request(c.verb, presentIndicative);
    expectDerivedBoxes(session, c);
    EXPECT_EQ(session.s().entry.shown.noticeLine, c.shortViewNotice);

    session.w().toggleDerivedForms();  // the tall view, without conjugating again
    expectDerivedBoxes(session, c);
    EXPECT_EQ(session.s().entry.shown.noticeLine, tallViewNotice);

    session.request(c.verb, presentIndicative);  // conjugated while the tall view shows
    expectDerivedBoxes(session, c);
    EXPECT_EQ(session.s().entry.shown.noticeLine, tallViewNotice);
  }
}

}  // namespace
}  // namespace ragozo::testing
