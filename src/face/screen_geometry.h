#pragma once
// Points and rectangles in pixels, as the window code passes them to the portable rules.

namespace orvanta {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// Right and bottom exclusive, like a Win32 RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const Rect&) const = default;
};

}  // namespace orvanta
