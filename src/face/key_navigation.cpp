#include "face/key_navigation.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "face/face_layout.h"

namespace orvanta::face {
namespace {

struct Centre {
  int x;
  int y;
};

Centre centre_of(int key) {
  const Rect& r = kFaceKeys[static_cast<size_t>(key)].rect;
  return {r.left + r.width / 2, r.top + r.height / 2};
}

}  // namespace

const std::vector<int>& keys_in_reading_order() {
  static const std::vector<int> order = [] {
    std::vector<int> keys;
    for (size_t i = 0; i < kFaceKeys.size(); ++i) keys.push_back(static_cast<int>(i));
    std::sort(keys.begin(), keys.end(), [](int a, int b) {
      const Rect& ra = kFaceKeys[static_cast<size_t>(a)].rect;
      const Rect& rb = kFaceKeys[static_cast<size_t>(b)].rect;
      return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    // Rows: a key whose top is close to the row's first key joins the row, then each row is
    // read left to right.
    std::vector<int> ordered;
    for (size_t start = 0; start < keys.size();) {
      const Rect& first = kFaceKeys[static_cast<size_t>(keys[start])].rect;
      size_t end = start;
      while (end < keys.size() &&
             kFaceKeys[static_cast<size_t>(keys[end])].rect.top - first.top <= first.height / 3) {
        ++end;
      }
      std::sort(keys.begin() + static_cast<std::ptrdiff_t>(start),
                keys.begin() + static_cast<std::ptrdiff_t>(end), [](int a, int b) {
                  return kFaceKeys[static_cast<size_t>(a)].rect.left <
                         kFaceKeys[static_cast<size_t>(b)].rect.left;
                });
      ordered.insert(ordered.end(), keys.begin() + static_cast<std::ptrdiff_t>(start),
                     keys.begin() + static_cast<std::ptrdiff_t>(end));
      start = end;
    }
    return ordered;
  }();
  return order;
}

int step_key_focus(int from, KeyStep step) {
  const std::vector<int>& order = keys_in_reading_order();
  const int count = static_cast<int>(order.size());
  if (step == KeyStep::Next || step == KeyStep::Previous) {
    if (from < 0) return step == KeyStep::Next ? order.front() : order.back();
    const int at = static_cast<int>(std::find(order.begin(), order.end(), from) - order.begin());
    const int next = (at + (step == KeyStep::Next ? 1 : count - 1)) % count;
    return order[static_cast<size_t>(next)];
  }
  if (from < 0) return order.front();
  const Centre here = centre_of(from);
  int best = from;
  long best_score = std::numeric_limits<long>::max();
  for (int key = 0; key < count; ++key) {
    if (key == from) continue;
    const Centre c = centre_of(key);
    // Along the step and across it; a key must lie more along than across.
    int along = 0;
    int across = 0;
    switch (step) {
      case KeyStep::Left:
        along = here.x - c.x;
        across = c.y - here.y;
        break;
      case KeyStep::Right:
        along = c.x - here.x;
        across = c.y - here.y;
        break;
      case KeyStep::Up:
        along = here.y - c.y;
        across = c.x - here.x;
        break;
      default:
        along = c.y - here.y;
        across = c.x - here.x;
        break;
    }
    if (along <= 0 || std::abs(across) > along) continue;
    const long score = static_cast<long>(along) + 2L * std::abs(across);
    if (score < best_score) {
      best_score = score;
      best = key;
    }
  }
  return best;
}

}  // namespace orvanta::face
