// The whole engine over the verbs of the fixture lexicon: look-up, stems, each mood's producer, derived forms.
//
// Every benchmark runs once per iteration over every fixture verb, so the
// "per_verb" counter is the time of one verb: the look-up and stems alone,
// one verb in one mood (look-up, stems and the producer), the derived forms,
// and the one call from a typed entry to every form shown. Run: build/bench/engine_benchmark
#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

#include "analysis/EndingRules.h"
#include "analysis/Lookup.h"
#include "analysis/PlainStems.h"
#include "analysis/SecondStems.h"
#include "analysis/VerbCode.h"
#include "conjugation/Conjugate.h"
#include "inflection/CausativeRule.h"
#include "inflection/DerivedForms.h"
#include "inflection/MoodDispatch.h"
#include "support/EntryState.h"
#include "support/FixtureLexicon.h"

namespace ragozo {
namespace {

// Answers the meaning question with Yes and shows nothing.
class QuietDialogs : public Dialogs {
 public:
  void beep() override {}
  void showMessage(const std::string&) override {}
  bool askYesNo(const std::string&, const std::string&) override { return true; }
};

std::vector<std::string_view> fixtureVerbs() {
  std::vector<std::string_view> verbs;
  for (const testing::FixtureEntry& entry : testing::fixtureEntries()) verbs.push_back(entry.word);
  return verbs;
}

// The conjugate action's engine steps up to the second stems.
ConjugationState lookedUpWithStems(std::string_view verb, int mood, Dialogs& dialogs) {
  ConjugationState s = testing::stateForEntry(verb);
  s.mood = static_cast<Mood>(mood);
  kizar(s, testing::fixtureLexicon());
  lookUpVerb(s, testing::fixtureLexicon(), dialogs);
  if (s.lookupOutcome == found) {
    csoport(s);
    ige(s);
    tipus(s);
  }
  tovek(s);
  return s;
}

void perVerb(benchmark::State& state, std::size_t verbs) {
  state.counters["per_verb"] = benchmark::Counter(static_cast<double>(verbs),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

void BM_LookUpAndStems(benchmark::State& state) {
  const std::vector<std::string_view> verbs = fixtureVerbs();
  QuietDialogs dialogs;
  for (auto _ : state) {
    for (std::string_view verb : verbs) {
      ConjugationState s = lookedUpWithStems(verb, presentIndicative, dialogs);
      benchmark::DoNotOptimize(s.stem);
    }
  }
  perVerb(state, verbs.size());
}
BENCHMARK(BM_LookUpAndStems);

// One verb in one mood: look-up, stems and the mood's producer.
void BM_OneVerbOneMood(benchmark::State& state) {
  const std::vector<std::string_view> verbs = fixtureVerbs();
  const int mood = static_cast<int>(state.range(0));
  QuietDialogs dialogs;
  for (auto _ : state) {
    for (std::string_view verb : verbs) {
      ConjugationState s = lookedUpWithStems(verb, mood, dialogs);
      idomod(s);
      benchmark::DoNotOptimize(s.endings);
    }
  }
  perVerb(state, verbs.size());
}
BENCHMARK(BM_OneVerbOneMood)->ArgName("mood")->DenseRange(presentIndicative, imperative);

// The derived forms and the potential-verb guard, each on a fresh copy of a
// state conjugated outside the timing (the copy is timed too).
void BM_DerivedForms(benchmark::State& state) {
  const std::vector<std::string_view> verbs = fixtureVerbs();
  QuietDialogs dialogs;
  std::vector<ConjugationState> prepared;
  for (std::string_view verb : verbs) {
    ConjugationState s = lookedUpWithStems(verb, presentIndicative, dialogs);
    idomod(s);
    prepared.push_back(std::move(s));
  }
  for (auto _ : state) {
    for (const ConjugationState& conjugated : prepared) {
      ConjugationState s = conjugated;
      egyebek(s);
      hato(s);
      benchmark::DoNotOptimize(s.derivedBoxes);
    }
  }
  perVerb(state, verbs.size());
}
BENCHMARK(BM_DerivedForms);

// The engine's one call, from a freshly typed entry to the result with every form.
void BM_Conjugate(benchmark::State& state) {
  const std::vector<std::string_view> verbs = fixtureVerbs();
  QuietDialogs dialogs;
  for (auto _ : state) {
    for (std::string_view verb : verbs) {
      ConjugationState s = testing::stateForEntry(verb);
      s.mood = static_cast<Mood>(state.range(0));
      benchmark::DoNotOptimize(conjugate(s, testing::fixtureLexicon(), dialogs));
    }
  }
  perVerb(state, verbs.size());
}
BENCHMARK(BM_Conjugate)->ArgName("mood")->DenseRange(presentIndicative, imperative);

}  // namespace
}  // namespace ragozo
