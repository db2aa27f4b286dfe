#include "face/window_outline.h"

namespace orvanta {

namespace {

bool is_white(const std::uint8_t* pixel) {
  return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255;
}

}  // namespace

std::vector<Rect> mask_runs(ConstBgrView mask) {
  std::vector<Rect> runs;
  for (int y = 0; y < mask.height; ++y) {
    const std::uint8_t* row = mask.row(y);
    int x = 0;
    while (x < mask.width) {
      if (is_white(row + x * 3)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < mask.width && !is_white(row + x * 3)) ++x;
      runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}

}  // namespace orvanta
