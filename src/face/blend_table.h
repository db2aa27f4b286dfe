#pragma once
// The image keys' cross-fade between their normal and hover looks.
#include <array>
#include <cstdint>

#include "face/bgr_image.h"

namespace orvanta {

// Entry (a, d) = (a × d) >> 8, rounded towards minus infinity, for weight a 0..255 and colour
// difference d −255..255, so a fade frame needs no multiplication. The entries are the same for
// every key, so all keys share one table instead of building 71 copies of it.
class BlendTable {
 public:
  static constexpr int kWeights = 256;
  static constexpr int kDifferences = 511;

  BlendTable();

  int operator()(int alpha, int difference) const { return row(alpha)[difference]; }
  // Row of weight `alpha`, to be indexed by the difference −255..255.
  const std::int16_t* row(int alpha) const { return &entries_[alpha * kDifferences + 255]; }

 private:
  std::array<std::int16_t, kWeights * kDifferences> entries_;
};

const BlendTable& blend_table();

// out := normal + blend_table(alpha, hover − normal) for each colour byte. Weight 0 gives the
// normal look; 255 comes within one unit of the hover look. `alpha` outside 0..255 is taken as
// the nearer end. `out` may be `normal` itself (the fade works in place on its work bitmap).
// Throws std::invalid_argument when the three pictures differ in size.
void blend(ConstBgrView normal, ConstBgrView hover, int alpha, BgrView out);

}  // namespace orvanta
