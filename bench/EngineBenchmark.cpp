// The engine over the verbs of the fixture lexicon: the stems, one verb in one mood, the
// derived forms, and the one call from a typed entry to every form shown.
//
// Every benchmark runs once per iteration over every fixture verb, so the "per_verb" counter is
// the time of one verb. Run: build/bench/engine_benchmark
#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

#include "analysis/Lookup.h"
#include "analysis/PlainStems.h"
#include "analysis/MoodStems.h"
#include "conjugation/Conjugate.h"
#include "derived/DerivedForms.h"
#include "inflection/Inflection.h"
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

struct Analysed {
  std::string_view verb;
  VerbCode code;
};

// The fixture verbs as the look-up finds them (found ones only), with their codes decoded.
std::vector<Analysed> fixtureVerbs() {
  std::vector<Analysed> verbs;
  for (const testing::FixtureEntry& entry : testing::fixtureEntries()) {
    const LookedUp looked = lookUp(entry.word, testing::fixtureLexicon());
    if (looked.way == LookupWay::found) verbs.push_back({entry.word, looked.code});
  }
  return verbs;
}

void perVerb(benchmark::State& state, std::size_t verbs) {
  state.counters["per_verb"] = benchmark::Counter(static_cast<double>(verbs),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

Stems stemsOf(const Analysed& v, Mood mood) {
  const VerbClass cls = v.code.verbClass;
  return moodStems(plainStems(v.verb, cls, v.code.vowelClass), v.verb, cls, v.code.vowelClass, mood);
}

void BM_LookUpAndStems(benchmark::State& state) {
  const std::vector<Analysed> verbs = fixtureVerbs();
  for (auto _ : state) {
    for (const Analysed& v : verbs) {
      benchmark::DoNotOptimize(lookUp(v.verb, testing::fixtureLexicon()));
      benchmark::DoNotOptimize(stemsOf(v, presentIndicative));
    }
  }
  perVerb(state, verbs.size());
}
BENCHMARK(BM_LookUpAndStems);

// One verb in one mood: the stems and the mood's endings.
void BM_OneVerbOneMood(benchmark::State& state) {
  const std::vector<Analysed> verbs = fixtureVerbs();
  const auto mood = static_cast<Mood>(state.range(0));
  for (auto _ : state) {
    for (const Analysed& v : verbs) {
      benchmark::DoNotOptimize(inflect(v.verb, v.code.verbClass, v.code.vowelClass, stemsOf(v, mood), mood, false));
    }
  }
  perVerb(state, verbs.size());
}
BENCHMARK(BM_OneVerbOneMood)->ArgName("mood")->DenseRange(presentIndicative, imperative);

// The derived forms of a verb whose present was inflected outside the timing.
void BM_DerivedForms(benchmark::State& state) {
  const std::vector<Analysed> verbs = fixtureVerbs();
  std::vector<Inflection> inflected;
  for (const Analysed& v : verbs) {
    inflected.push_back(inflect(v.verb, v.code.verbClass, v.code.vowelClass, stemsOf(v, presentIndicative),
                                presentIndicative, false));
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < verbs.size(); ++i) {
      benchmark::DoNotOptimize(deriveForms({verbs[i].verb, inflected[i], verbs[i].code}));
    }
  }
  perVerb(state, verbs.size());
}
BENCHMARK(BM_DerivedForms);

// The engine's one call, from a freshly typed entry to the result with every form.
void BM_Conjugate(benchmark::State& state) {
  std::vector<std::string_view> verbs;
  for (const testing::FixtureEntry& entry : testing::fixtureEntries()) verbs.push_back(entry.word);
  QuietDialogs dialogs;
  Request request;
  request.mood = static_cast<Mood>(state.range(0));
  for (auto _ : state) {
    for (std::string_view verb : verbs) {
      EntryMemory memory;
      request.entry = verb;
      benchmark::DoNotOptimize(conjugate(request, memory, testing::fixtureLexicon(), dialogs));
    }
  }
  perVerb(state, verbs.size());
}
BENCHMARK(BM_Conjugate)->ArgName("mood")->DenseRange(presentIndicative, imperative);

}  // namespace
}  // namespace ragozo
