// One full recolouring of the face: the three 463 x 511 pictures rewritten from their copies,
// as happens for every slider position while the thumb is dragged.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "../tests/support/bmp_file.h"
#include "../tests/support/noise_picture.h"
#include "face/bgr_image.h"
#include "face/skin_colour.h"

namespace orvanta {
namespace {

constexpr int kFaceWidth = 463;
constexpr int kFaceHeight = 511;
using Faces = std::array<BgrImage, 3>;

void recolour(benchmark::State& state, const Faces& originals) {
  Faces faces = originals;
  const int shift = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const ColourShift colour(shift);  // built per slider position, so timed with the pixels
    for (int i = 0; i < 3; ++i) colour.apply(originals[i].view(), faces[i].view());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 3 * kFaceWidth * kFaceHeight);
}

// Noise: every pixel unlike its neighbours, the worst case.
void BM_RecolourNoise(benchmark::State& state) {
  recolour(state,
           {noise_picture(kFaceWidth, kFaceHeight, 1), noise_picture(kFaceWidth, kFaceHeight, 2),
            noise_picture(kFaceWidth, kFaceHeight, 3)});
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

// The generated face pictures, once `make assets` has made them.
std::optional<Faces> generated_faces() {
  const auto folder =
      std::filesystem::path(__FILE__).parent_path().parent_path().string() + "/resources/face/";
  auto normal = read_bmp(folder + "Image2.bmp");
  auto hover = read_bmp(folder + "Image3.bmp");
  auto pressed = read_bmp(folder + "Image4.bmp");
  if (!normal || !hover || !pressed) return std::nullopt;
  return Faces{*normal, *hover, *pressed};
}

}  // namespace
}  // namespace orvanta

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (const auto faces = orvanta::generated_faces()) {
    auto* face = benchmark::RegisterBenchmark(
        "BM_RecolourFace", [faces](benchmark::State& state) { orvanta::recolour(state, *faces); });
    face->ArgName("H")->Unit(benchmark::kMillisecond);
    for (int shift : {30, 90, 150, -30, -90, -150}) face->Arg(shift);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
