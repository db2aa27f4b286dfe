#include "face/blend_table.h"

#include <algorithm>
#include <stdexcept>

namespace orvanta {

BlendTable::BlendTable() {
  for (int a = 0; a < kWeights; ++a) {
    for (int d = -255; d <= 255; ++d) {
      entries_[a * kDifferences + d + 255] = static_cast<std::int16_t>((a * d) >> 8);
    }
  }
}

const BlendTable& blend_table() {
  static const BlendTable table;
  return table;
}

void blend(ConstBgrView normal, ConstBgrView hover, int alpha, BgrView out) {
  if (normal.width != out.width || normal.height != out.height || hover.width != out.width ||
      hover.height != out.height) {
    throw std::invalid_argument("blend: pictures of different sizes");
  }
  const std::int16_t* weight = blend_table().row(std::clamp(alpha, 0, 255));
  const int bytes = out.width * 3;
  for (int y = 0; y < out.height; ++y) {
    const std::uint8_t* a = normal.row(y);
    const std::uint8_t* b = hover.row(y);
    std::uint8_t* o = out.row(y);
    for (int i = 0; i < bytes; ++i) {
      o[i] = static_cast<std::uint8_t>(a[i] + weight[b[i] - a[i]]);
    }
  }
}

}  // namespace orvanta
