// Cost of the converter's full refresh after one display redraw: eleven categories, up to 88
// cell texts written. It runs after every key press, so it must stay a small part of the
// key-press budget (2 ms from the handler to the pixels).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tools/units/unit_converter.h"

namespace orvanta {
namespace {

// Texts as the LCD shows them while a number is typed and computed.
const std::vector<std::string> kShown{
    "1",       "12", "123.5", "-2.5", "0.", "5.3345", "1E20", "98765.4321", "3.14159265358979",
    "0.000125"};

void BM_FullRefresh(benchmark::State& state) {
  UnitConverter converter;
  int changed = 0;
  converter.set_cell_changed([&](int, int) { ++changed; });
  size_t i = 0;
  for (auto _ : state) {
    const std::string& text = kShown[i++ % kShown.size()];
    for (int category = 0; category < kUnitCategories; ++category) {
      converter.refresh(category, text, NumberBase::Dec);
    }
    benchmark::DoNotOptimize(changed);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullRefresh);

// The same display again: every text is computed, none changes, nothing is repainted.
void BM_FullRefreshUnchanged(benchmark::State& state) {
  UnitConverter converter;
  for (auto _ : state) {
    for (int category = 0; category < kUnitCategories; ++category) {
      converter.refresh(category, "123.5", NumberBase::Dec);
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullRefreshUnchanged);

}  // namespace
}  // namespace orvanta

BENCHMARK_MAIN();
