#include "shell/skin_colour.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "engine/extended.h"

namespace orvanta {

namespace {

constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;

// Round(k × d / 60): d / 60 in double, times k in extended precision, to nearest with ties to
// even. The inexact double quotient decides which way most ties go, so this must not be
// simplified to exact integer rounding.
int round_step(int k, int d) {
  const double quotient = static_cast<double>(d) / 60.0;
  return static_cast<int>(std::nearbyint(static_cast<Extended>(k) * quotient));
}

inline int mask(bool condition) {
  return -static_cast<int>(condition);
}

// a where the mask is set, else b. With std::max and std::min the compiler may branch.
inline int pick(int m, int a, int b) {
  return (a & m) | (b & ~m);
}

// Added to a bound to put it out of reach (channel values stay within −512..767), so that a
// bound the channel would set on itself costs no branch.
constexpr int kNoBound = 4096;

// 0..255 by shifts: negative results are common in noisy pictures and would mispredict.
inline std::uint8_t to_byte(int v) {
  v &= ~(v >> 31);       // below 0: 0
  v |= (255 - v) >> 31;  // above 255: all ones, whose low byte is 255
  return static_cast<std::uint8_t>(v);
}

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
    tables_[index][d + kMaxDifference] = sign * round_step(k, d);
  }
}

// The steps of each range with the bounds that can never act left out: k between 0 and 60
// moves a channel at most the whole way to hi, never past it, and a step that only lowers (or
// only raises) a channel cannot break a bound above (or below) it. What is left reads hi and lo
// by value, and which channel is hi or lo by the tie rules: hi the largest, ties to the earlier
// of B, G, R; lo the smaller of the other two, ties to the later. Masks instead of branches,
// which noisy pictures would mispredict.
template <ColourShift::Range kRange>
void ColourShift::apply_range(ConstBgrView original, BgrView picture) const {
  const std::int32_t* t0 = tables_[0].data() + kMaxDifference;
  const std::int32_t* t1 = tables_[1].data() + kMaxDifference;
  const std::int32_t* t2 = tables_[2].data() + kMaxDifference;
  const int bytes = picture.width * 3;
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* in = original.row(y);
    std::uint8_t* out = picture.row(y);
    for (int i = 0; i < bytes; i += 3) {
      const int b = in[i];
      const int g = in[i + 1];
      const int r = in[i + 2];
      const int hi_bg = pick(mask(g > b), g, b);
      const int lo_bg = pick(mask(g < b), g, b);
      const int hi = pick(mask(r > hi_bg), r, hi_bg);
      const int lo = pick(mask(r < lo_bg), r, lo_bg);
      int nb = b;
      int ng = g;
      int nr = r;
      if constexpr (kRange == Range::kUpTo60) {
        nr = std::min(r + t0[hi - r], hi);
      } else if constexpr (kRange == Range::kUpTo120) {
        nr = r + t0[hi - r];
        ng = g + t1[hi - g];
      } else if constexpr (kRange == Range::kUpTo180) {
        const int red_lo = mask((r <= g) & (r <= b));
        nr = std::max(r + t0[hi - r], lo - (red_lo & kNoBound));  // t0 subtracts
        ng = g + t1[hi - g];
        nb = b + t2[hi - b];
      } else if constexpr (kRange == Range::kDownTo60) {
        const int red_lo = mask((r <= g) & (r <= b));
        nr = std::max(r + t0[hi - lo], lo - (red_lo & kNoBound));
      } else if constexpr (kRange == Range::kDownTo120) {
        const int red_hi = mask((r > g) & (r > b));
        const int red_lo = mask((r <= g) & (r <= b));
        const int blue_lo = mask((b < g) & (b < r));
        nr = r + t0[hi - lo];
        const int hi_now = hi + ((nr - hi) & red_hi);
        const int lo_now = lo + ((nr - lo) & red_lo);
        nb = std::max(b + t1[hi_now - lo_now], lo_now - (blue_lo & kNoBound));
      } else {
        const int green_hi = mask((g > b) & (g >= r));
        const int green_lo = mask((g <= b) & (g < r));
        const int blue_hi = mask((b >= g) & (b >= r));
        ng = std::max(g + t0[hi - lo], lo - (green_lo & kNoBound));
        const int hi_now = hi + ((ng - hi) & green_hi);
        const int lo_now = lo + ((ng - lo) & green_lo);
        nb = std::min(b + t1[hi_now - lo_now], hi_now + (blue_hi & kNoBound));
      }
      out[i] = to_byte(nb);
      out[i + 1] = to_byte(ng);
      out[i + 2] = to_byte(nr);
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
  const std::uint8_t in[3] = {to_byte(pixel.b), to_byte(pixel.g), to_byte(pixel.r)};
  std::uint8_t out[3] = {};
  apply({in, 1, 1, 3}, {out, 1, 1, 3});
  return {out[2], out[1], out[0]};
}

}  // namespace orvanta
