// The lexicon search and the look-up driver: found, prefixed, guessed, stopped.
#include "analysis/Lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/EntryState.h"
#include "support/FixtureLexicon.h"
#include "support/RecordingDialogs.h"

namespace ragozo {
namespace {

using testing::fixtureLexicon;
using testing::RecordingDialogs;
using testing::stateForEntry;
using testing::typeNewEntry;
using Transcript = std::vector<std::string>;

const std::string kPrefixedIr = std::string(kPrefixedMessageStart) + "ír" + kPrefixedMessageEnd;

TEST(Lista, FindsTheWordInTheGroupOfItsFirstCharacter) {
  struct Case {
    const char* searchWord;
    const char* foundWord;
    const char* verbCode;
  };
  const Case cases[] = {
      {"ad", "ad", "110107111"},      {"ír", "ír", "110101011"},    {"őriz", "őriz", "130119011"},
      {"ül", "ül", "130101010"},      {"zúg", "zúg", "110107000"},  {"ax", "nulla", ""},
      {"ugrik ", "nulla", ""},  // a trailing blank is part of the word
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.searchWord);
    ConjugationState s;
    s.verbCode = "before";
    s.searchWord = c.searchWord;
    lista(s, fixtureLexicon());
    EXPECT_EQ(s.foundWord, c.foundWord);
    EXPECT_EQ(s.verbCode, c.verbCode);
  }
}

TEST(Lista, AWordThatSelectsNoGroupIsNotSearched) {
  for (const char* word : {"Ad", "quiz", "wow", "xy", "yo", "1ad", " ad", ""}) {
    SCOPED_TRACE(word);
    ConjugationState s;
    s.verbCode = "before";
    s.searchWord = word;
    lista(s, fixtureLexicon());
    EXPECT_EQ(s.foundWord, "nulla");
    EXPECT_EQ(s.verbCode, "before");
  }
}

TEST(Lista, TheLowerIndexWinsAndEmptyElementsNeverMatch) {
  Lexicon lexicon;
  lexicon.storeWord(0, 1, "");
  lexicon.storeCode(0, 1, "000000000");
  lexicon.storeWord(0, 5, "ad");
  lexicon.storeCode(0, 5, "110107111");
  lexicon.storeWord(0, 9, "ad");
  lexicon.storeCode(0, 9, "999999999");
  ConjugationState s;
  s.searchWord = "ad";
  lista(s, lexicon);
  EXPECT_EQ(s.verbCode, "110107111");
  EXPECT_TRUE(lexiconHolds(lexicon, "ad"));
  EXPECT_FALSE(lexiconHolds(lexicon, ""));
}

// One conjugation's look-up on the fixture lexicon.
struct Lookup {
  explicit Lookup(const char* entry) : s(stateForEntry(entry)) {}
  int run() {
    lookUpVerb(s, fixtureLexicon(), dialogs);
    const int outcome = s.lookupOutcome;
    s.lookupOutcome = found;  // as the conjugate action does after reading it
    return outcome;
  }
  ConjugationState s;
  RecordingDialogs dialogs;
};

TEST(LookUpVerb, AnEntryOfBlanksDoesNothing) {
  Lookup lookup("   ");
  EXPECT_EQ(lookup.run(), found);
  EXPECT_TRUE(lookup.dialogs.events().empty());
  EXPECT_EQ(lookup.s.searchWord, "");
  EXPECT_EQ(lookup.s.foundWord, "");
}

TEST(LookUpVerb, ALexiconVerbIsFoundSilentlyAndSplitOnce) {
  for (const char* entry : {"ugrik", "  ugrik  "}) {
    SCOPED_TRACE(entry);
    Lookup lookup(entry);
    EXPECT_EQ(lookup.run(), found);
    EXPECT_TRUE(lookup.dialogs.events().empty());
    EXPECT_EQ(lookup.s.searchWord, "ugrik");
    EXPECT_EQ(lookup.s.lexiconClassCode, "42");
    EXPECT_TRUE(lookup.s.codeSplit);
    EXPECT_TRUE(lookup.s.lookupAnnounced);
    EXPECT_FALSE(lookup.s.keepMessage);
    lookup.s.lexiconClassCode = "changed";
    lookup.run();
    EXPECT_EQ(lookup.s.lexiconClassCode, "changed") << "the code is split once per entry";
  }
}

TEST(LookUpVerb, AVerbFoundWithoutItsPreverbIsAnnouncedOnce) {
  Lookup lookup("elír");
  EXPECT_EQ(lookup.run(), found);
  EXPECT_EQ(lookup.dialogs.transcript(), (Transcript{"beep", "message: " + kPrefixedIr}));
  EXPECT_EQ(lookup.s.noticeLine, "Feltételezett igekötős változat:");
  EXPECT_TRUE(lookup.s.keepMessage);
  EXPECT_EQ(lookup.s.prefix, "el");
  EXPECT_EQ(lookup.s.verbCode, "110101011");
  EXPECT_EQ(lookup.s.lexiconClassCode, "01");

  lookup.dialogs.clear();
  lookup.s.noticeLine.clear();
  EXPECT_EQ(lookup.run(), found);
  EXPECT_TRUE(lookup.dialogs.events().empty());
  EXPECT_EQ(lookup.s.noticeLine, "");
  EXPECT_EQ(lookup.s.prefix, "el");
}

// The preverb notice comes first; the meaning question of the verb found
// without its preverb follows, and its answer holds.
TEST(LookUpVerb, APrefixedHomonymIsAnnouncedBeforeItsMeaningIsAsked) {
  Lookup lookup("felragad");
  lookup.dialogs.answer({false});
  EXPECT_EQ(lookup.run(), found);
  const std::vector<testing::DialogEvent>& events = lookup.dialogs.events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].kind, testing::DialogEvent::beep);
  EXPECT_EQ(events[1], (testing::DialogEvent{testing::DialogEvent::message, "",
                                             std::string(kPrefixedMessageStart) + "ragad" + kPrefixedMessageEnd}));
  EXPECT_EQ(events[2].kind, testing::DialogEvent::question);
  EXPECT_EQ(events[2].title, "Jelentésválasztás");
  EXPECT_EQ(lookup.s.noticeLine, "Feltételezett igekötős változat:");
  EXPECT_EQ(lookup.s.lexiconClassCode, "07");
  EXPECT_EQ(lookup.s.valenceCode, "01");
  EXPECT_EQ(lookup.s.causativeKind, CausativeKind::longSuffix);
}

// The "hat" of a lexicon verb is not the potential suffix, whether the verb was
// found whole or only without its preverb, on the first conjugation as on later ones.
TEST(LookUpVerb, EndsInHatDoesNotDependOnHistory) {
  for (const char* entry : {"áthat", "hat", "ráhat"}) {
    SCOPED_TRACE(entry);
    Lookup lookup(entry);
    lookup.run();
    EXPECT_TRUE(lookup.s.endsInHat) << "first conjugation";
    lookup.run();
    EXPECT_TRUE(lookup.s.endsInHat) << "second conjugation";
  }
  Lookup notAVerb("olvashat");
  notAVerb.run();
  EXPECT_FALSE(notAVerb.s.endsInHat);
}

struct GuessCase {
  const char* entry;
  const char* classCode;
  const char* valenceCode;
  VowelClass vowelClass;
  const char* stem;
};

TEST(LookUpVerb, AVerbNotInTheLexiconIsGuessedFromItsEnding) {
  const GuessCase cases[] = {
      {"agarászik", "57", "01", back, "agarász"},
      {" agarászik  ", "57", "01", back, "agarász"},  // blanks around the entry are no part of its ending
      {"kecskészik", "57", "01", frontUnrounded, "kecskész"},
      {"álmodik", "31", "00", back, "álmod"},
      {"kiönt", "13", "01", frontRounded, "kiönt"},     // keres gives 2, "önt" rounds it
      {"kipenget", "16", "01", frontUnrounded, "kipenget"},
      {"alacsonyít", "12", "01", back, "alacsonyít"},  // vowel class from keres
      {"fehérít", "12", "01", frontUnrounded, "fehérít"},
      {"rávesít", "12", "01", frontUnrounded, "rávesít"},  // the back vowel of "rá" is skipped
      {"Ábrándozik", "61", "01", back, "Ábrándoz"},        // a capital is never found, but is guessed
      {"csöröng", "09", "01", frontRounded, "csöröng"},
      {"csüdzik", "40", "00", frontRounded, "csüdz"},
      {"kelkáposztáz", "18", "01", back, "kelkáposztáz"},
      {"leomol", "05", "", back, "leomol"},                // special pattern, valence untouched
      {"szörvényel", "05", "", frontUnrounded, "szörvényel"},
  };
  for (const GuessCase& c : cases) {
    SCOPED_TRACE(c.entry);
    Lookup lookup(c.entry);
    EXPECT_EQ(lookup.run(), guessed);
    EXPECT_EQ(lookup.s.classCode, c.classCode);
    EXPECT_EQ(lookup.s.valenceCode, c.valenceCode);
    EXPECT_EQ(lookup.s.vowelClass, c.vowelClass);
    EXPECT_EQ(lookup.s.stem, c.stem);
    EXPECT_EQ(lookup.s.lexiconClassCode, std::string(c.classCode) == "05" ? "05" : "");
    EXPECT_EQ(lookup.s.prefixState, notTried);
  }
}

TEST(LookUpVerb, AGuessIsAnnouncedOnTheFirstConjugationOnly) {
  Lookup lookup("agarászik");
  EXPECT_EQ(lookup.run(), guessed);
  EXPECT_EQ(lookup.dialogs.transcript(),
            (Transcript{"beep", "message: Ilyen ige nem szerepel az adatbázisban, de ha létezik, ragozása a következő:"}));
  EXPECT_EQ(lookup.s.noticeLine, "A forma alapján feltételezett igealakok:");
  EXPECT_TRUE(lookup.s.keepMessage);

  lookup.dialogs.clear();
  lookup.s.noticeLine.clear();
  EXPECT_EQ(lookup.run(), guessed);
  EXPECT_TRUE(lookup.dialogs.events().empty());
  EXPECT_EQ(lookup.s.noticeLine, "");
}

struct StopCase {
  const char* entry;
  Transcript transcript;
  bool blanked;  // the whole result and the entry are blanked
};

TEST(LookUpVerb, AnEntryThatIsNeitherFoundNorGuessedStops) {
  const StopCase cases[] = {
      {"olvashatik", {"message: Törölje az 'ik' végződést!"}, false},
      {"kérhetik", {"message: Törölje az 'ik' végződést!"}, false},
      {"bú", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, true},
      {"xyz", {"beep", "message: Ilyen ige nem szerepel az adatbázisban."}, true},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.entry);
    Lookup lookup(c.entry);
    lookup.s.table.write(1, 1, "  left");
    EXPECT_EQ(lookup.run(), stopped);
    EXPECT_EQ(lookup.dialogs.transcript(), c.transcript);
    EXPECT_EQ(lookup.s.resultShown, c.blanked);
    EXPECT_EQ(lookup.s.table.cell(1, 1), c.blanked ? "" : "  left");
    EXPECT_EQ(lookup.s.emptyEntry, c.blanked) << "the window is asked to empty the entry";
    EXPECT_EQ(lookup.s.classCode, "");
  }
}

TEST(LookUpVerb, AnAnnouncedEntryThatIsNotFoundStopsSilently) {
  Lookup lookup("xyz");
  lookup.s.lookupAnnounced = true;
  lookup.s.table.write(1, 1, "  left");
  EXPECT_EQ(lookup.run(), stopped);
  EXPECT_TRUE(lookup.dialogs.events().empty());
  EXPECT_EQ(lookup.s.table.cell(1, 1), "  left");
  EXPECT_FALSE(lookup.s.resultShown);
}

// Whether the imperative toggle is hidden follows the verb now conjugated, not
// any verb conjugated before.
TEST(LookUpVerb, NoImperativeFollowsTheVerbNowConjugated) {
  Lookup lookup("alábocsájt");
  lookup.run();
  EXPECT_TRUE(lookup.s.noImperative);
  lookup.run();
  EXPECT_TRUE(lookup.s.noImperative) << "a repeated conjugation of the same entry keeps it";

  typeNewEntry(lookup.s, "ad");
  lookup.run();
  EXPECT_FALSE(lookup.s.noImperative) << "a lexicon verb without the restriction";

  typeNewEntry(lookup.s, "alábocsájt");
  lookup.run();
  typeNewEntry(lookup.s, "agarászik");
  lookup.run();
  EXPECT_FALSE(lookup.s.noImperative) << "a guessed verb";
}

}  // namespace
}  // namespace ragozo
