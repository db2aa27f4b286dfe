#include "face/display_scale.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvanta::face {
namespace {

// The weights of source pixels `from` (inclusive) over one target pixel, in 1/`source` units of
// the target: each target pixel spans `source` units, each source pixel `target` units.
struct Span {
  int first = 0;
  std::vector<int> weights;
};

std::vector<Span> spans(int source, int target) {
  std::vector<Span> out(static_cast<std::size_t>(target));
  for (int t = 0; t < target; ++t) {
    const long begin = static_cast<long>(t) * source;  // in units of 1 / target source pixels
    const long end = begin + source;
    Span& s = out[static_cast<std::size_t>(t)];
    s.first = static_cast<int>(begin / target);
    for (long p = s.first; p * target < end && p < source; ++p) {
      const long lo = std::max(begin, p * target);
      const long hi = std::min(end, (p + 1) * target);
      s.weights.push_back(static_cast<int>(hi - lo));
    }
  }
  return out;
}

}  // namespace

void resample(ConstBgrView source, BgrView target) {
  if (source.width <= 0 || source.height <= 0 || target.width <= 0 || target.height <= 0) return;
  const std::vector<Span> xs = spans(source.width, target.width);
  const std::vector<Span> ys = spans(source.height, target.height);
  const long total = static_cast<long>(source.width) * source.height;
  for (int y = 0; y < target.height; ++y) {
    const Span& sy = ys[static_cast<std::size_t>(y)];
    std::uint8_t* out = target.row(y);
    for (int x = 0; x < target.width; ++x) {
      const Span& sx = xs[static_cast<std::size_t>(x)];
      long sum[3] = {0, 0, 0};
      for (std::size_t j = 0; j < sy.weights.size(); ++j) {
        const std::uint8_t* row = source.row(sy.first + static_cast<int>(j)) + sx.first * 3;
        for (std::size_t i = 0; i < sx.weights.size(); ++i) {
          const long w = static_cast<long>(sy.weights[j]) * sx.weights[i];
          for (int c = 0; c < 3; ++c) sum[c] += w * row[i * 3 + static_cast<std::size_t>(c)];
        }
      }
      for (int c = 0; c < 3; ++c)
        out[x * 3 + c] = static_cast<std::uint8_t>((sum[c] + total / 2) / total);
    }
  }
}

void to_two_levels(BgrView picture) {
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* p = picture.row(y);
    for (int x = 0; x < picture.width; ++x, p += 3) {
      const std::uint8_t level = p[0] + p[1] + p[2] >= 3 * 128 ? 255 : 0;
      p[0] = p[1] = p[2] = level;
    }
  }
}

}  // namespace orvanta::face
