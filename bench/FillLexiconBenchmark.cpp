// Time of the start-up's run of thirty fill procedures over the whole lexicon.
#include <benchmark/benchmark.h>

#include "lexicon/FillProcedures.h"

namespace {

void BM_FillLexicon(benchmark::State& state) {
  for (auto _ : state) {
    ragozo::Lexicon lexicon;
    ragozo::fillLexicon(lexicon);
    benchmark::DoNotOptimize(lexicon);
  }
}
BENCHMARK(BM_FillLexicon)->Unit(benchmark::kMillisecond);

}  // namespace
