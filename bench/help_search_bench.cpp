// The help's full-text search over the index the build wrote beside the program: a query as
// the search pane runs it at each key typed (up to 50 pages, with their passages).
#include <benchmark/benchmark.h>

#include "help/search/help_search.h"

namespace {

void RunQuery(benchmark::State& state, const char* query) {
  periodic::HelpSearch search(SEARCH_INDEX);
  std::size_t found = 0;
  for (auto _ : state) {
    const auto hits = search.find(query, 50);
    found = hits.size();
    benchmark::DoNotOptimize(hits.data());
  }
  state.counters["pages"] = static_cast<double>(found);
}

void BM_TwoWordQuery(benchmark::State& state) {
  RunQuery(state, "благородные газы");
}
BENCHMARK(BM_TwoWordQuery)->Unit(benchmark::kMillisecond);

// Two common words: many pages hold both, so ranking and passages cost the most.
void BM_TwoCommonWords(benchmark::State& state) {
  RunQuery(state, "период элемента");
}
BENCHMARK(BM_TwoCommonWords)->Unit(benchmark::kMillisecond);

void BM_OpenIndex(benchmark::State& state) {
  for (auto _ : state) {
    periodic::HelpSearch search(SEARCH_INDEX);
    benchmark::DoNotOptimize(&search);
  }
}
BENCHMARK(BM_OpenIndex)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
