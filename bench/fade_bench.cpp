// Cost of one fade frame of an image key: blending its rectangle of the normal and hover faces
// into its work bitmap. The tick is 10 ms, so a frame must stay far below that.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "../tests/support/noise_picture.h"
#include "face/bgr_image.h"
#include "face/blend_table.h"

namespace orvanta {
namespace {

constexpr int kFaceWidth = 463;
constexpr int kFaceHeight = 511;

// Arguments: the key's rectangle on the face (left, top, width, height).
void BM_FadeFrame(benchmark::State& state) {
  const int left = static_cast<int>(state.range(0));
  const int top = static_cast<int>(state.range(1));
  const int width = static_cast<int>(state.range(2));
  const int height = static_cast<int>(state.range(3));
  const BgrImage normal = noise_picture(kFaceWidth, kFaceHeight, 1);
  const BgrImage hover = noise_picture(kFaceWidth, kFaceHeight, 2);
  BgrImage work(width, height);
  int alpha = 0;
  for (auto _ : state) {
    blend(sub_view(normal.view(), left, top, width, height),
          sub_view(hover.view(), left, top, width, height), alpha, work.view());
    benchmark::DoNotOptimize(work.view().data);
    benchmark::ClobberMemory();
    alpha = (alpha + 10) % 260;
  }
  state.SetItemsProcessed(state.iterations() * width * height);
}
// kdwhs, the largest key (179 x 41); kdy, the tallest (44 x 82); a digit key (44 x 41).
BENCHMARK(BM_FadeFrame)
    ->ArgNames({"left", "top", "w", "h"})
    ->Args({177, 442, 179, 41})
    ->Args({359, 320, 44, 82})
    ->Args({177, 238, 44, 41})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvanta

BENCHMARK_MAIN();
