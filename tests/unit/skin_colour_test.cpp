#include "face/skin_colour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>

#include "numeric/extended.h"
#include "support/noise_picture.h"

namespace orvanta {
namespace {

// The colour shift written out step by step, one channel read at a time, as the oracle for the
// table-driven ColourShift.
Rgb reference_shift(Rgb pixel, int h) {
  int c[3] = {pixel.b, pixel.g, pixel.r};  // B, G, R: the tie order
  int& r = c[2];
  int& g = c[1];
  int& b = c[0];
  int hi = 0;
  for (int i = 1; i < 3; ++i) {
    if (c[i] > c[hi]) hi = i;
  }
  int lo = -1;
  for (int i = 0; i < 3; ++i) {
    if (i != hi && (lo < 0 || c[i] <= c[lo])) lo = i;
  }
  auto round = [](int k, int a, int b_) {
    const double q = static_cast<double>(a - b_) / 60.0;
    return static_cast<int>(std::nearbyint(static_cast<Extended>(k) * q));
  };
  auto not_above_hi = [&](int& x) {
    if (x > c[hi]) x = c[hi];
  };
  auto not_below_lo = [&](int& x) {
    if (x < c[lo]) x = c[lo];
  };
  if (h >= 0 && h <= 60) {
    r = r + round(h, c[hi], r), not_above_hi(r);
  }
  if (h >= 61 && h <= 120) {
    r = r + round(120 - h, c[hi], r), not_below_lo(r);
    g = g + round(h - 60, c[hi], g), not_above_hi(g);
  }
  if (h >= 121 && h <= 180) {
    r = r - round(h - 120, c[hi], r), not_below_lo(r);
    g = g + round(180 - h, c[hi], g), not_below_lo(g);
    b = b + round(h - 120, c[hi], b), not_above_hi(b);
  }
  if (h >= -60 && h <= 0) {
    r = r + round(h, c[hi], c[lo]), not_below_lo(r);
  }
  if (h >= -120 && h <= -61) {
    r = r + round(-120 - h, c[hi], c[lo]), not_above_hi(r);
    b = b + round(h + 60, c[hi], c[lo]), not_below_lo(b);
  }
  if (h >= -180 && h <= -121) {
    g = g + round(h + 120, c[hi], c[lo]), not_below_lo(g);
    b = b + round(-180 - h, c[hi], c[lo]), not_above_hi(b);
  }
  return {std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255)};
}

TEST(ColourShift, PixelCases) {
  struct Case {
    Rgb pixel;
    int shift;
    Rgb expected;
  };
  const Case cases[] = {
      {{200, 100, 50}, 90, {200, 150, 50}},
      {{200, 100, 50}, 180, {200, 100, 200}},
      {{200, 100, 50}, -30, {125, 100, 50}},
      {{200, 100, 50}, -90, {125, 100, 12}},  // second step reads hi after the first: −37.5
      {{200, 100, 50}, -150, {200, 50, 0}},
      {{0, 0, 255}, 30, {128, 0, 255}},  // 127.5 to even; lo is R by the tie rule
      {{255, 0, 0}, -60, {0, 0, 0}},
      {{255, 0, 0}, -61, {4, 0, 0}},
      // 10 × 3/60 and 10 × 9/60 are ties only on paper: the double quotient 3/60 lies above
      // 0.05 and 9/60 below 0.15, so both round to 1 (ties to even would give 0 and 2).
      {{0, 0, 3}, 10, {1, 0, 3}},
      {{0, 0, 9}, 10, {1, 0, 9}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColourShift(c.shift)(c.pixel), c.expected) << "shift " << c.shift;
    EXPECT_EQ(reference_shift(c.pixel, c.shift), c.expected) << "reference, shift " << c.shift;
  }
}

TEST(ColourShift, GreyPixelsNeverChange) {
  for (int h = kSkinShiftMin; h <= kSkinShiftMax; h += 15) {
    const ColourShift shift(h);
    for (int v : {0, 1, 128, 254, 255}) {
      EXPECT_EQ(shift({v, v, v}), (Rgb{v, v, v})) << "shift " << h << " grey " << v;
    }
  }
}

TEST(ColourShift, MatchesTheStepByStepShiftForEveryValueOfH) {
  // Corners, ties and near-ties, then a fixed random sample.
  std::vector<Rgb> pixels;
  const int levels[] = {0, 1, 2, 30, 59, 60, 61, 127, 128, 200, 254, 255};
  for (int r : levels) {
    for (int g : levels) {
      for (int b : levels) pixels.push_back({r, g, b});
    }
  }
  std::mt19937 random(20240607);
  for (int i = 0; i < 1500; ++i) {
    pixels.push_back({static_cast<int>(random() & 0xff), static_cast<int>(random() & 0xff),
                      static_cast<int>(random() & 0xff)});
  }
  // Rows of 61 pixels: several runs of eight side by side and a remainder taken one by one.
  constexpr int kWidth = 61;
  const int height = static_cast<int>((pixels.size() + kWidth - 1) / kWidth);
  BgrImage original(kWidth, height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const Rgb& p = pixels[i];
    original.set_pixel(static_cast<int>(i % kWidth), static_cast<int>(i / kWidth), p.r, p.g, p.b);
  }
  BgrImage picture(kWidth, height);
  for (int h = kSkinShiftMin; h <= kSkinShiftMax; ++h) {
    const ColourShift shift(h);
    shift.apply(original.view(), picture.view());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      const Rgb& p = pixels[i];
      const Rgb want = reference_shift(p, h);
      const std::uint8_t* out =
          picture.pixel(static_cast<int>(i % kWidth), static_cast<int>(i / kWidth));
      ASSERT_EQ((Rgb{out[2], out[1], out[0]}), want)
          << "shift " << h << " pixel " << p.r << "," << p.g << "," << p.b;
      if (i % kWidth >= kWidth - 5) {
        ASSERT_EQ(shift(p), want) << "one pixel, shift " << h;
      }
    }
  }
}

TEST(ColourShift, ApplyWritesEachPixelShiftedFromTheOriginal) {
  const BgrImage original = noise_picture(5, 3, 7);  // 15-byte rows padded to 16
  BgrImage picture(5, 3);
  const ColourShift shift(-97);
  shift.apply(original.view(), picture.view());
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const std::uint8_t* in = original.pixel(x, y);
      const std::uint8_t* out = picture.pixel(x, y);
      const Rgb want = shift({in[2], in[1], in[0]});
      EXPECT_EQ((Rgb{out[2], out[1], out[0]}), want) << x << "," << y;
    }
  }
}

TEST(ColourShift, BackToZeroRestoresTheOriginalExactly) {
  const BgrImage original = noise_picture(31, 17, 3);
  BgrImage picture = original;
  for (int h : {45, 180, -61, -180}) ColourShift(h).apply(original.view(), picture.view());
  EXPECT_NE(picture, original);
  ColourShift(0).apply(original.view(), picture.view());
  EXPECT_EQ(picture, original);
}

TEST(ColourShift, RecolouringStartsFromTheOriginalEachTime) {
  const BgrImage original = noise_picture(16, 8, 11);
  BgrImage once(16, 8);
  BgrImage repeated(16, 8);
  ColourShift(120).apply(original.view(), once.view());
  for (int h : {-150, 33, 120}) ColourShift(h).apply(original.view(), repeated.view());
  EXPECT_EQ(repeated, once);
}

TEST(ColourShift, RefusesPicturesOfDifferentSizes) {
  BgrImage original(4, 4), picture(4, 5);
  EXPECT_THROW(ColourShift(10).apply(original.view(), picture.view()), std::invalid_argument);
}

TEST(ColourSkinSetting, OutOfRangeValuesGoToTheNearerEnd) {
  EXPECT_EQ(clamp_skin_shift(500), 180);
  EXPECT_EQ(clamp_skin_shift(-181), -180);
  EXPECT_EQ(clamp_skin_shift(-37), -37);
  EXPECT_EQ(ColourShift(500).shift(), 180);
}

}  // namespace
}  // namespace orvanta
