// Typing into the entry: the time of N keys, fitted against N, which must grow linearly (a key
// that copied the entry would make it quadratic). Run: build/bench/engine_benchmark --benchmark_filter=Typing
#include <benchmark/benchmark.h>

#include <string>

#include "headless/Session.h"
#include "support/FixtureLexicon.h"

namespace ragozo {
namespace {

void BM_TypingKeys(benchmark::State& state) {
  const std::string text(static_cast<std::size_t>(state.range(0)), 'a');
  for (auto _ : state) {
    state.PauseTiming();
    headless::Session session(testing::storeFixtureLexicon);
    session.start();
    state.ResumeTiming();
    session.type(text);
    benchmark::DoNotOptimize(session.main().state().entry.text.data());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TypingKeys)->RangeMultiplier(4)->Range(6'250, 400'000)->Complexity(benchmark::oN);

}  // namespace
}  // namespace ragozo
