// A verb shows what a fresh program shows, whatever verb came before it.
//
// Each pair's first verb is conjugated in a tense and mood, its toggles
// pressed (none, each alone, all in turn, or each twice so that every one
// comes back), and another tense and mood chosen after them; then the second
// verb is checked against a fresh program (history/HistoryCheck.h says how the
// fresh program is run and how the toggles are replayed). The second verb is
// also checked as the first one typed after start-up. Over the built-in
// lexicon, so that the random pairs meet every class and restriction it
// holds; their headwords are now and then typed with a preverb, a suffix or
// white space around them, so that they meet entries found without their
// preverb, guessed, refused and not found too.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "HistoryCheck.h"
#include "Toggles.h"
#include "lexicon/LexiconTestSupport.h"
#include "support/ShownNames.h"

namespace ragozo::testing {
namespace {

using history::Toggle;

struct Pair {
  std::string first;
  std::string second;
  bool answerYes = true;  // the meaning question's answer, for both verbs
};

// What is done to the first verb between its conjugation and the second verb.
struct FirstVerbActions {
  Mood mood;
  std::vector<Toggle> pressed;  // each pressed in turn while it shows
  Mood moodAfter;               // chosen after the toggles, conjugating the first verb again
};

std::string describe(const Pair& pair, const FirstVerbActions& actions) {
  std::string text = "\"" + pair.first + "\" in the " + moodName(actions.mood);
  for (Toggle toggle : actions.pressed) text += ", " + history::nameOf(toggle);
  if (actions.moodAfter != actions.mood) text += ", then the " + moodName(actions.moodAfter);
  return text + (pair.answerYes ? "" : ", answer no") + "; then \"" + pair.second + "\": ";
}

class HistoryPairs {
 public:
  // Records what differs from the fresh program after `actions` on the pair's first verb.
  void check(const Pair& pair, const FirstVerbActions& actions) {
    headless::Session session(lexicontest::copyFilledLexicon);
    session.start();
    window::MainWindow& w = session.main();
    session.dialogs.setDefaultAnswer(pair.answerYes);
    session.typeNewEntry(pair.first);
    w.chooseMood(actions.mood);
    for (Toggle toggle : actions.pressed) history::pressIfVisible(w, toggle);
    if (actions.moodAfter != actions.mood) w.chooseMood(actions.moodAfter);
    session.typeNewEntry(pair.second);
    const std::string differing = history::compareWithFreshProgram(session, fresh_, pair.answerYes, true);
    if (!differing.empty()) failures_.push_back(describe(pair, actions) + differing);
  }

  // The verb typed first after start-up, before anything was conjugated, in the short and the tall view.
  void checkRightAfterStartUp(const std::string& verb, bool answerYes) {
    for (const bool tall : {false, true}) {
      headless::Session session(lexicontest::copyFilledLexicon);
      session.start();
      if (tall) session.main().toggleDerivedForms();
      session.dialogs.setDefaultAnswer(answerYes);
      session.typeNewEntry(verb);
      const std::string differing = history::compareWithFreshProgram(session, fresh_, answerYes, false);
      if (!differing.empty()) {
        failures_.push_back("\"" + verb + "\" typed first after start-up" + (tall ? " in the tall view" : "") + ": " +
                            differing);
      }
    }
  }

  // Every tense and mood: with no toggle, each toggle alone, all of them in turn, and each of them
  // twice (on and off again, short and long and back); then all of them with each other tense and
  // mood chosen after them.
  void checkEveryWay(const Pair& pair) {
    const std::vector<Toggle> all(history::kEveryToggle.begin(), history::kEveryToggle.end());
    std::vector<Toggle> eachTwice;
    for (Toggle toggle : all) eachTwice.insert(eachTwice.end(), {toggle, toggle});
    for (Mood mood : kMoods) {
      check(pair, {mood, {}, mood});
      for (Toggle toggle : all) check(pair, {mood, {toggle}, mood});
      check(pair, {mood, all, mood});
      check(pair, {mood, eachTwice, mood});
      for (Mood after : kMoods) {
        if (after != mood) check(pair, {mood, all, after});
      }
    }
    checkRightAfterStartUp(pair.second, pair.answerYes);
  }

  void expectNone() {
    std::string shown;
    for (std::size_t i = 0; i < failures_.size() && i < 8; ++i) shown += failures_[i];
    EXPECT_TRUE(failures_.empty()) << failures_.size() << " histories differ from a fresh program, among them:\n"
                                   << shown;
  }

 private:
  history::FreshPrograms fresh_{lexicontest::copyFilledLexicon};
  std::vector<std::string> failures_;
};

TEST(HistoryPairs, RelatedVerbsRestrictionsRefusalsAndMisses) {
  const std::vector<Pair> pairs = {
      // Shared stems and preverbs.
      {"vár", "megvár"}, {"megvár", "vár"}, {"ad", "elad"}, {"elad", "ad"}, {"visz", "elvisz"},
      {"elvisz", "szétvisz"}, {"eszik", "megeszik"}, {"megeszik", "eszik"}, {"alszik", "elalszik"},
      // Shared endings, one letter apart.
      {"eszik", "esik"}, {"esik", "eszik"}, {"iszik", "eszik"}, {"vesz", "vész"}, {"vész", "vesz"},
      {"lő", "nő"}, {"nő", "nyű"}, {"hat", "áthat"}, {"áthat", "hat"}, {"ró", "sí"},
      // Irregular verbs.
      {"megy", "elmegy"}, {"jön", "megy"}, {"bejön", "jön"}, {"van", "megvan"}, {"megvan", "sosincs"},
      {"sosincs", "van"}, {"lesz", "tesz"}, {"tesz", "lesz"},
      // The meaning question, both answers.
      {"téved", "eltéved"}, {"eltéved", "téved", false}, {"ragad", "elragad"}, {"elragad", "megragad", false},
      {"megragad", "ragad"}, {"téved", "ragad", false}, {"ragad", "téved"}, {"téved", "téved", false},
      // Restrictions: third persons only, third person singular only, no objective use, no imperative.
      {"alapszik", "ad"}, {"ad", "alapszik"}, {"alkonyodik", "vár"}, {"vár", "alkonyodik"},
      {"esik", "ad"}, {"ad", "esik"}, {"kell", "vár"}, {"bocsájt", "vár"}, {"vár", "bocsájt"},
      {"bocsájt", "frobozik"},
      {"siklik", "díszlik"}, {"hallszik", "ízlik"}, {"ízlik", "ad"}, {"alkonyodik", "hallszik"},
      // Refused entries, and entries the lexicon does not hold.
      {"adhattat", "esik"}, {"hatik", "esik"}, {"esik", "hatik"}, {"futtattat", "vár"},
      {"olvashatik", "olvas"}, {"hatik", "hat"}, {"xyzq", "vár"}, {"vár", "xyzq"}, {"xyzq", "esik"},
      {"frobozik", "vár"}, {"vár", "frobozik"}, {"blablál", "frobozik"}, {"szétvár", "vár"},
      {"vár", "szétvár"}, {"megfrobozik", "frobozik"},
      // Nothing typed, or blanks alone.
      {"", "ad"}, {"ad", ""}, {"  ", "esik"}, {"esik", "  "},
      // A refused or unknown entry before a verb of the third persons: its all-persons toggle reads
      // as after any other verb.
      {"qqq", "hírlik"}, {"vártatat", "hírlik"}, {"adhatik", "hírlik"},
  };
  HistoryPairs check;
  for (const Pair& pair : pairs) check.checkEveryWay(pair);
  check.expectNone();
}

// A headword as a user might type it: now and then with a preverb before it, a suffix after it
// (potential, causative, or an "ik" that may make it unknown) or the white space of a paste around it.
std::string typedAsAUserMight(const std::string& headword, std::mt19937& random) {
  static constexpr const char* kPreverbs[] = {"meg", "el", "szét", "ki", "be"};
  static constexpr const char* kSuffixes[] = {"hat", "hatik", "ik", "tat"};
  static constexpr const char* kBlanks[] = {" ", "\t", "\n"};
  const auto oneIn = [&random](int n) { return std::uniform_int_distribution<int>(1, n)(random) == 1; };
  const auto anyOf = [&random](const auto& texts) {
    return std::string(texts[std::uniform_int_distribution<std::size_t>(0, std::size(texts) - 1)(random)]);
  };
  std::string entry = headword;
  if (oneIn(4)) entry = anyOf(kPreverbs) + entry;
  if (oneIn(4)) entry += anyOf(kSuffixes);
  if (oneIn(5)) entry = anyOf(kBlanks) + entry + anyOf(kBlanks);
  return entry;
}

TEST(HistoryPairs, RandomPairsOfTheBuiltInLexicon) {
  std::vector<std::string> verbs;
  for (int group = 0; group < kLetterGroupCount; ++group) {
    for (const auto& entry : lexicontest::verbsOf(lexicontest::filledLexicon(), group)) verbs.push_back(entry.second);
  }
  std::mt19937 random(20240617);
  std::uniform_int_distribution<std::size_t> pick(0, verbs.size() - 1);
  HistoryPairs check;
  for (int i = 0; i < 150; ++i) {
    std::string first = typedAsAUserMight(verbs[pick(random)], random);
    std::string second = typedAsAUserMight(verbs[pick(random)], random);
    check.checkEveryWay({std::move(first), std::move(second)});
  }
  check.expectNone();
}

}  // namespace
}  // namespace ragozo::testing
