#include "face/skin_colour.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "face/int16_lanes.h"
#include "numeric/extended.h"

namespace orvanta {

namespace {

// Round(k × d / 60): d / 60 in double, times k in extended precision, to nearest with ties to
// even. The inexact double quotient decides which way most ties go, so this must not be
// simplified to exact integer rounding.
int round_step(int k, int d) {
  const double quotient = static_cast<double>(d) / 60.0;
  return static_cast<int>(std::nearbyint(static_cast<Extended>(k) * quotient));
}

// Added to a bound to put it out of reach (channel values stay within −512..767), so that a
// bound the channel would set on itself costs no branch.
constexpr int kNoBound = 4096;

}  // namespace

int clamp_skin_shift(int stored) {
  return std::clamp(stored, kSkinShiftMin, kSkinShiftMax);
}

ColourShift::ColourShift(int shift) : shift_(clamp_skin_shift(shift)) {
  const int h = shift_;
  if (h >= 0 && h <= 60) {
    range_ = Range::kUpTo60;
    fill_table(0, h, 1);
  } else if (h >= 61 && h <= 120) {
    range_ = Range::kUpTo120;
    fill_table(0, 120 - h, 1);
    fill_table(1, h - 60, 1);
  } else if (h >= 121) {
    range_ = Range::kUpTo180;
    fill_table(0, h - 120, -1);  // this step subtracts
    fill_table(1, 180 - h, 1);
    fill_table(2, h - 120, 1);
  } else if (h >= -60) {
    range_ = Range::kDownTo60;
    fill_table(0, h, 1);
  } else if (h >= -120) {
    range_ = Range::kDownTo120;
    fill_table(0, -120 - h, 1);
    fill_table(1, h + 60, 1);
  } else {
    range_ = Range::kDownTo180;
    fill_table(0, h + 120, 1);
    fill_table(1, -180 - h, 1);
  }
}

void ColourShift::fill_table(int index, int k, int sign) {
  for (int d = -kMaxDifference; d <= kMaxDifference; ++d) {
    tables_[index][d + kMaxDifference] = static_cast<std::int16_t>(sign * round_step(k, d));
  }
}

// The steps of each range with the bounds that can never act left out: k between 0 and 60
// moves a channel at most the whole way to hi, never past it, and a step that only lowers (or
// only raises) a channel cannot break a bound above (or below) it. What is left reads hi and lo
// by value, and which channel is hi or lo by the tie rules: hi the largest, ties to the earlier
// of B, G, R; lo the smaller of the other two, ties to the later. Masks instead of branches, so
// eight pixels go through together.
template <ColourShift::Range kRange, typename Lanes>
inline void ColourShift::shift_lanes(Lanes& b, Lanes& g, Lanes& r) const {
  using lanes::both;
  using lanes::greater;
  using lanes::greater_equal;
  using lanes::lookup;
  const std::int16_t* t0 = tables_[0].data() + kMaxDifference;
  const std::int16_t* t1 = tables_[1].data() + kMaxDifference;
  const std::int16_t* t2 = tables_[2].data() + kMaxDifference;
  const Lanes hi = max(b, max(g, r));
  const Lanes lo = min(b, min(g, r));
  const Lanes no_bound = lanes::splat<Lanes>(kNoBound);
  if constexpr (kRange == Range::kUpTo60) {
    r = min(r + lookup(t0, hi - r), hi);
  } else if constexpr (kRange == Range::kUpTo120) {
    r = r + lookup(t0, hi - r);
    g = g + lookup(t1, hi - g);
  } else if constexpr (kRange == Range::kUpTo180) {
    const Lanes red_lo = both(greater_equal(g, r), greater_equal(b, r));
    r = max(r + lookup(t0, hi - r), lo - (red_lo & no_bound));  // t0 subtracts
    g = g + lookup(t1, hi - g);
    b = b + lookup(t2, hi - b);
  } else if constexpr (kRange == Range::kDownTo60) {
    const Lanes red_lo = both(greater_equal(g, r), greater_equal(b, r));
    r = max(r + lookup(t0, hi - lo), lo - (red_lo & no_bound));
  } else if constexpr (kRange == Range::kDownTo120) {
    const Lanes red_hi = both(greater(r, g), greater(r, b));
    const Lanes red_lo = both(greater_equal(g, r), greater_equal(b, r));
    const Lanes blue_lo = both(greater(g, b), greater(r, b));
    r = r + lookup(t0, hi - lo);
    const Lanes hi_now = hi + ((r - hi) & red_hi);
    const Lanes lo_now = lo + ((r - lo) & red_lo);
    b = max(b + lookup(t1, hi_now - lo_now), lo_now - (blue_lo & no_bound));
  } else {
    const Lanes green_hi = both(greater(g, b), greater_equal(g, r));
    const Lanes green_lo = both(greater_equal(b, g), greater(r, g));
    const Lanes blue_hi = both(greater_equal(b, g), greater_equal(b, r));
    g = max(g + lookup(t0, hi - lo), lo - (green_lo & no_bound));
    const Lanes hi_now = hi + ((g - hi) & green_hi);
    const Lanes lo_now = lo + ((g - lo) & green_lo);
    b = min(b + lookup(t1, hi_now - lo_now), hi_now + (blue_hi & no_bound));
  }
}

template <ColourShift::Range kRange>
void ColourShift::apply_range(ConstBgrView original, BgrView picture) const {
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* in = original.row(y);
    std::uint8_t* out = picture.row(y);
    int x = 0;
#if defined(__SSE2__)
    for (; x + 8 <= picture.width; x += 8) {
      lanes::Eight b = lanes::channel(in + x * 3, 0);
      lanes::Eight g = lanes::channel(in + x * 3, 1);
      lanes::Eight r = lanes::channel(in + x * 3, 2);
      shift_lanes<kRange>(b, g, r);
      alignas(16) std::uint8_t bytes[3][16];  // saturated to 0..255
      _mm_store_si128(reinterpret_cast<__m128i*>(bytes[0]), _mm_packus_epi16(b.v, b.v));
      _mm_store_si128(reinterpret_cast<__m128i*>(bytes[1]), _mm_packus_epi16(g.v, g.v));
      _mm_store_si128(reinterpret_cast<__m128i*>(bytes[2]), _mm_packus_epi16(r.v, r.v));
      for (int i = 0; i < 8; ++i) {
        for (int c = 0; c < 3; ++c) out[(x + i) * 3 + c] = bytes[c][i];
      }
    }
#endif
    for (; x < picture.width; ++x) {
      lanes::One b{in[x * 3]};
      lanes::One g{in[x * 3 + 1]};
      lanes::One r{in[x * 3 + 2]};
      shift_lanes<kRange>(b, g, r);
      out[x * 3] = static_cast<std::uint8_t>(std::clamp(b.v, 0, 255));
      out[x * 3 + 1] = static_cast<std::uint8_t>(std::clamp(g.v, 0, 255));
      out[x * 3 + 2] = static_cast<std::uint8_t>(std::clamp(r.v, 0, 255));
    }
  }
}

void ColourShift::apply(ConstBgrView original, BgrView picture) const {
  if (original.width != picture.width || original.height != picture.height) {
    throw std::invalid_argument("colour shift: pictures of different sizes");
  }
  if (shift_ == 0) {  // every step adds Round(0) and every bound already holds
    for (int y = 0; y < picture.height; ++y) {
      std::memcpy(picture.row(y), original.row(y), static_cast<std::size_t>(picture.width) * 3);
    }
    return;
  }
  switch (range_) {
    case Range::kUpTo60:
      return apply_range<Range::kUpTo60>(original, picture);
    case Range::kUpTo120:
      return apply_range<Range::kUpTo120>(original, picture);
    case Range::kUpTo180:
      return apply_range<Range::kUpTo180>(original, picture);
    case Range::kDownTo60:
      return apply_range<Range::kDownTo60>(original, picture);
    case Range::kDownTo120:
      return apply_range<Range::kDownTo120>(original, picture);
    case Range::kDownTo180:
      return apply_range<Range::kDownTo180>(original, picture);
  }
}

Rgb ColourShift::operator()(Rgb pixel) const {
  const std::uint8_t in[3] = {static_cast<std::uint8_t>(pixel.b),
                              static_cast<std::uint8_t>(pixel.g),
                              static_cast<std::uint8_t>(pixel.r)};
  std::uint8_t out[3] = {};
  apply({in, 1, 1, 3}, {out, 1, 1, 3});
  return {out[2], out[1], out[0]};
}

}  // namespace orvanta
