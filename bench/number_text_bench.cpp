// Cost of the number texts. The unit converter rewrites up to 88 cells after every display
// redraw and the evaluator writes back every reduction, so one text must take microseconds.
#include <benchmark/benchmark.h>

#include "numeric/number_text.h"

namespace orvanta {
namespace {

const Extended kValues[] = {
    1.0L / 3, 39370.07874015748L, 1.0L / 1073741824, 123456789.125L, -2.5L, 1.5e20L, 6.0221367e23L,
    1e-300L};

void BM_FixText(benchmark::State& state) {
  for (auto _ : state) {
    for (const Extended value : kValues) benchmark::DoNotOptimize(fix_text(value));
  }
  state.SetItemsProcessed(state.iterations() * std::size(kValues));
}
BENCHMARK(BM_FixText);

void BM_GeneralText(benchmark::State& state) {
  for (auto _ : state) {
    for (const Extended value : kValues) benchmark::DoNotOptimize(general_text(value));
  }
  state.SetItemsProcessed(state.iterations() * std::size(kValues));
}
BENCHMARK(BM_GeneralText);

void BM_ParseNumber(benchmark::State& state) {
  const char* const texts[] = {"0.333333333333333",
                               "39370.07874015748",
                               "1.60217733e-19",
                               "12345678901234",
                               "-2.5",
                               "1.5E20"};
  for (auto _ : state) {
    for (const char* text : texts) benchmark::DoNotOptimize(parse_number(text));
  }
  state.SetItemsProcessed(state.iterations() * std::size(texts));
}
BENCHMARK(BM_ParseNumber);

// A value near the bottom of the range needs the largest big integers.
void BM_FixTextTiny(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(general_text(3.6e-4951L));
}
BENCHMARK(BM_FixTextTiny);

}  // namespace
}  // namespace orvanta
BENCHMARK_MAIN();
