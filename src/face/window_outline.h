#pragma once
// The window's outline cut from the mask picture: white is outside, any other colour inside.
#include <vector>

#include "face/bgr_image.h"
#include "face/display_scale.h"
#include "face/screen_geometry.h"

namespace orvanta {

// One rectangle, one row high, for each run of non-white pixels, row by row from the top and
// left to right; their union is the outline (the Win32 side combines them into a region).
std::vector<Rect> mask_runs(ConstBgrView mask);

// The visible part of the window in mini mode: the LCD with its bezel.
inline constexpr Rect kMiniOutline{46, 35, 416, 123};

// The mini outline of a face shown at `dpi`.
inline constexpr Rect mini_outline(int dpi) {
  return face::DisplayScale(dpi).rect(kMiniOutline);
}

// Where the mini window shows on the screen with its top-left at `window`: the rectangle by which
// to find the monitor it is on (the rest of the window is cut away).
inline constexpr Rect mini_outline_on_screen(Point window, int dpi = face::kBaseDpi) {
  const Rect m = mini_outline(dpi);
  return {window.x + m.left, window.y + m.top, window.x + m.right, window.y + m.bottom};
}

}  // namespace orvanta
