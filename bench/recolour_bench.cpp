// One full recolouring of the face: the three 463 x 511 pictures rewritten from their copies,
// as happens for every slider position while the thumb is dragged.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "../tests/support/noise_picture.h"
#include "shell/bgr_image.h"
#include "shell/skin_colour.h"

namespace orvanta {
namespace {

constexpr int kFaceWidth = 463;
constexpr int kFaceHeight = 511;

BgrImage noise_face(int seed) {
  return noise_picture(kFaceWidth, kFaceHeight, seed);
}

// Soft gradients, closer to a rendered calculator face.
BgrImage gradient_face(int seed) {
  BgrImage face(kFaceWidth, kFaceHeight);
  for (int y = 0; y < kFaceHeight; ++y) {
    for (int x = 0; x < kFaceWidth; ++x) {
      face.set_pixel(x, y, (x / 2 + seed * 40) & 0xff, (y / 3) & 0xff, ((x + y) / 5 + 40) & 0xff);
    }
  }
  return face;
}

template <BgrImage (*kMakeFace)(int)>
void recolour_faces(benchmark::State& state) {
  const std::array<BgrImage, 3> originals = {kMakeFace(1), kMakeFace(2), kMakeFace(3)};
  std::array<BgrImage, 3> faces = originals;
  const int shift = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const ColourShift colour(shift);  // built per slider position, so timed with the pixels
    for (int i = 0; i < 3; ++i) colour.apply(originals[i].view(), faces[i].view());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 3 * kFaceWidth * kFaceHeight);
}

void BM_RecolourNoise(benchmark::State& state) {
  recolour_faces<noise_face>(state);
}
void BM_RecolourGradient(benchmark::State& state) {
  recolour_faces<gradient_face>(state);
}

// One shift from each range of H; the ranges differ in their steps.
BENCHMARK(BM_RecolourNoise)
    ->ArgName("H")
    ->Args({30})
    ->Args({90})
    ->Args({150})
    ->Args({-30})
    ->Args({-90})
    ->Args({-150})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecolourGradient)
    ->ArgName("H")
    ->Args({150})
    ->Args({-150})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvanta

BENCHMARK_MAIN();
