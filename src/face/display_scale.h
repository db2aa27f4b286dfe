#pragma once
// The face at a display scale: every place of the layout table, the outlines and the drag
// distances in pixels of a window shown at `dpi` dots per inch (96 is 100 %). Lengths are
// scaled edge by edge, rounded half away from zero, as assets/generate.py paints the pictures,
// so a rectangle here covers exactly what the picture of that scale draws there.
#include <array>

#include "face/bgr_image.h"
#include "face/face_layout.h"
#include "face/screen_geometry.h"

namespace orvanta::face {

inline constexpr int kBaseDpi = 96;
// The scales that have their own pictures (100 %, 125 %, 150 %, 200 %).
inline constexpr std::array<int, 4> kPictureDpis = {96, 120, 144, 192};
// The client area at 100 % (one pixel more each way than the face picture).
inline constexpr int kClientWidth = 464;
inline constexpr int kClientHeight = 512;

// A length or coordinate of the 100 % layout at `dpi`.
constexpr int scale_length(int length, int dpi) {
  return length >= 0 ? (length * dpi + kBaseDpi / 2) / kBaseDpi
                     : -((-length * dpi + kBaseDpi / 2) / kBaseDpi);
}

class DisplayScale {
 public:
  constexpr DisplayScale() = default;
  // A DPI below 1 (none reported) is taken as 100 %.
  constexpr explicit DisplayScale(int dpi) : dpi_(dpi < 1 ? kBaseDpi : dpi) {}

  constexpr int dpi() const { return dpi_; }
  constexpr int operator()(int length) const { return scale_length(length, dpi_); }
  constexpr bool operator==(const DisplayScale&) const = default;

  // A layout rectangle by its edges: rectangles that touch at 100 % touch here too.
  constexpr Rect rect(const Rect& r) const {
    const int left = (*this)(r.left), top = (*this)(r.top);
    return {left, top, (*this)(r.left + r.width) - left, (*this)(r.top + r.height) - top};
  }
  constexpr orvanta::Rect rect(const orvanta::Rect& r) const {
    return {(*this)(r.left), (*this)(r.top), (*this)(r.right), (*this)(r.bottom)};
  }
  // A picture placed at a layout point keeps its own (scaled) size wherever it is put.
  constexpr Rect placed(int left, int top, int width, int height) const {
    return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
  }

  // The scale whose pictures the face is drawn from: its own where it has them, else the next
  // larger (scaled down, so nothing is enlarged), or the largest above 200 %.
  constexpr int pictures_dpi() const {
    for (const int d : kPictureDpis) {
      if (d >= dpi_) return d;
    }
    return kPictureDpis.back();
  }
  constexpr bool own_pictures() const { return pictures_dpi() == dpi_; }

  constexpr int client_width() const { return (*this)(kClientWidth); }
  constexpr int client_height() const { return (*this)(kClientHeight); }
  constexpr Rect lcd_area() const { return rect(kLcdArea); }
  constexpr Rect strip() const { return rect(kStrip); }
  // Where Image3 holds the switch's look for a base: the switch's own size at its look's place.
  constexpr Rect strip_look(int base) const {
    const Rect s = strip();
    const std::size_t i = static_cast<std::size_t>(base);
    return {(*this)(kStripLookX[i]), (*this)(kStripLookY), s.width, s.height};
  }
  // Cell `i` of the LCD (0 the rightmost) inside the LCD area, the size of a glyph picture. Its
  // place is scaled on the face, not in the LCD, so a cell that ends at the LCD's bottom at
  // 100 % stays inside it (at 125 % the LCD's top rounds up and its bottom down).
  constexpr Rect lcd_cell(int i) const {
    const Rect c = face::lcd_cell(i);
    const Rect lcd = lcd_area();
    return {(*this)(kLcdArea.left + c.left) - lcd.left, (*this)(kLcdArea.top + c.top) - lcd.top,
            (*this)(c.width), (*this)(c.height)};
  }
  constexpr Rect indicator(const Indicator& ind) const {
    return placed(ind.rect.left, ind.rect.top, ind.rect.width, ind.rect.height);
  }

 private:
  int dpi_ = kBaseDpi;
};

// The size a picture of `size` pixels at `from_dpi` has at `to_dpi`: both its 100 % size scaled.
constexpr int picture_length(int size, int from_dpi, int to_dpi) {
  return scale_length((size * kBaseDpi + from_dpi / 2) / from_dpi, to_dpi);
}

// `source` averaged down (or spread up) over `target`, each target pixel the mean of the source
// area it covers: the pictures of a scale without its own.
void resample(ConstBgrView source, BgrView target);
// Every pixel white or black, by its brightness: a resampled mask stays a mask.
void to_two_levels(BgrView picture);

}  // namespace orvanta::face
