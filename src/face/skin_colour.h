#pragma once
// The face colour shift: one slider value H from −180 to 180 moves every pixel's hue while
// its largest and smallest channels stay the bounds. Always applied to the unrecoloured copies,
// so moving the slider back and forth never accumulates rounding.
#include <array>
#include <cstdint>

#include "face/bgr_image.h"

namespace orvanta {

inline constexpr int kSkinShiftMin = -180;
inline constexpr int kSkinShiftMax = 180;

// A `ColorSkin` value as the slider takes it: anything outside −180..180 goes to the nearer end.
int clamp_skin_shift(int stored);

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

class ColourShift {
 public:
  explicit ColourShift(int shift);  // clamped like the slider

  int shift() const { return shift_; }

  Rgb operator()(Rgb pixel) const;
  // Writes every pixel of `picture` from the same pixel of `original`; both of one size (else
  // std::invalid_argument). Shift 0 copies `original` unchanged.
  void apply(ConstBgrView original, BgrView picture) const;

 private:
  // Which steps run; each range of H has its own fixed list of one to three steps.
  enum class Range { kUpTo60, kUpTo120, kUpTo180, kDownTo60, kDownTo120, kDownTo180 };
  // Differences reach 510: hi − lo after an earlier step pushed the lo channel below zero.
  static constexpr int kMaxDifference = 512;
  // ±Round(k × d / 60) of one step, indexed by d + kMaxDifference.
  using Table = std::array<std::int16_t, 2 * kMaxDifference + 1>;

  void fill_table(int index, int k, int sign);
  template <Range kRange>
  void apply_range(ConstBgrView original, BgrView picture) const;
  // Shifts one pixel or several side by side, channel values in and out.
  template <Range kRange, typename Lanes>
  void shift_lanes(Lanes& b, Lanes& g, Lanes& r) const;

  int shift_;
  Range range_;
  std::array<Table, 3> tables_{};
};

}  // namespace orvanta
