// Time of the look-up and the stem builders for one verb, over a mix of verbs.
//
// Each iteration types one verb into a fresh state and runs what a conjugation
// runs of the analysis: the impossible-ending check, the look-up with its
// preverb and ending fallbacks, the class, stem and vowel class, the second
// stems, and the conditional and past stems. Verbs found in the lexicon,
// found without their preverb and guessed from their ending are all in the mix;
// a miss reads its whole letter group, as in the full lexicon.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "analysis/ConditionalStems.h"
#include "analysis/PastStems.h"
#include "support/AnalysisSteps.h"
#include "support/EntryState.h"
#include "support/FixtureLexicon.h"
#include "support/RecordingDialogs.h"

namespace ragozo {
namespace {

constexpr std::array<std::string_view, 16> kVerbs{
    "ad",        "eszik",  "van",    "megvan",   "elmegy", "melegszik", "haragszik", "alszik",
    "emlékszik", "ugrik",  "vérzik", "lő",       "énekel", "elír",      "agarászik", "kiönt"};

void analyseVerb(std::string_view verb, int mood) {
  ConjugationState s = testing::stateForEntry(verb);
  s.mood = static_cast<Mood>(mood);
  testing::RecordingDialogs dialogs;
  if (testing::runAnalysis(s, testing::fixtureLexicon(), dialogs)) {
    ennek(s);
    multto(s);
  }
  benchmark::DoNotOptimize(s.stem);
}

void BM_AnalyseVerb(benchmark::State& state) {
  testing::fixtureLexicon();  // built once, outside the timing
  std::size_t next = 0;
  for (auto _ : state) {
    analyseVerb(kVerbs[next], presentIndicative);
    next = (next + 1) % kVerbs.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnalyseVerb);

}  // namespace
}  // namespace ragozo
