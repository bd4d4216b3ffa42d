#include <benchmark/benchmark.h>

#include "data/builtin_records.h"
#include "search/element_search.h"
#include "table/cell_navigation.h"

namespace {

// One keystroke in the find field: the whole lookup over the 110 records.
void BM_FindElements(benchmark::State& state) {
  const auto& records = periodic::BuiltinRecords();
  for (auto _ : state) {
    benchmark::DoNotOptimize(periodic::FindElements("жел", records));
    benchmark::DoNotOptimize(periodic::FindElements("н", records));
  }
}
BENCHMARK(BM_FindElements)->Unit(benchmark::kMicrosecond);

// One arrow key: the layout walk and the choice of the next cell.
void BM_MoveFocus(benchmark::State& state) {
  const periodic::DisplayOptions options;
  int n = 1;
  for (auto _ : state) {
    n = periodic::MoveFocus(n, periodic::CellMove::Down, options);
    if (n == 96) n = 1;
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_MoveFocus)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
