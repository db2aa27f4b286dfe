#pragma once
// The face layout's rectangles and colours as Win32 takes them.
#include <windows.h>

#include <string_view>

#include "face/display_scale.h"
#include "face/face_layout.h"

namespace orvanta::win32 {

constexpr RECT to_rect(const face::Rect& r) {
  return {r.left, r.top, r.left + r.width, r.top + r.height};
}

// A rectangle of the 100 % layout at a display scale, edge by edge.
constexpr RECT scaled(const face::DisplayScale& at, const RECT& r) {
  return {at(r.left), at(r.top), at(r.right), at(r.bottom)};
}

constexpr COLORREF to_colorref(const face::Rgb& c) {
  return RGB(c.red, c.green, c.blue);
}

// The rectangle of the named indicator picture on the LCD at a scale; empty when there is none.
constexpr RECT indicator_rect(std::string_view name,
                              const face::DisplayScale& scale = face::DisplayScale()) {
  for (const face::Indicator& ind : face::kIndicators) {
    if (ind.name == name) return to_rect(scale.indicator(ind));
  }
  return {};
}

}  // namespace orvanta::win32
