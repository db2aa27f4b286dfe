#include "win32/window/face_canvas.h"

#include <algorithm>
#include <cstring>

#include "face/face_layout.h"
#include "face/skin_colour.h"
#include "win32/system/geometry.h"

namespace orvanta::win32 {
namespace {

constexpr COLORREF kLcdColour = to_colorref(face::kLcdColour);

}  // namespace

namespace {

void copy_rect(ConstBgrView from, BgrView to, const face::Rect& r) {
  if (r.left < 0 || r.top < 0 || r.left + r.width > std::min(from.width, to.width) ||
      r.top + r.height > std::min(from.height, to.height)) {
    return;
  }
  for (int y = r.top; y < r.top + r.height; ++y) {
    std::memcpy(to.row(y) + r.left * 3, from.row(y) + r.left * 3, static_cast<size_t>(r.width) * 3);
  }
}

// Above 100 % the hover and pressed faces hold only what differs from the normal one (the keys,
// and in the hover face the base switch's looks); the rest is the normal face.
BgrImage over_normal(const BgrImage& normal, const BgrImage& sparse, int dpi, bool strip_looks) {
  BgrImage full = normal;
  const face::DisplayScale at(dpi);
  for (const face::FaceKey& k : face::kFaceKeys)
    copy_rect(sparse.view(), full.view(), at.rect(k.rect));
  if (strip_looks) {
    for (int base = 0; base < static_cast<int>(face::kStripLookX.size()); ++base) {
      copy_rect(sparse.view(), full.view(), at.strip_look(base));
    }
  }
  return full;
}

}  // namespace

void FaceCanvas::create(ScaledPictures& pictures) {
  scale_ = pictures.scale();
  BgrImage normal = pictures.source(face::kNormalFaceResource);
  BgrImage hover = pictures.source(face::kHoverFaceResource);
  BgrImage pressed = pictures.source(face::kPressedFaceResource);
  if (const int dpi = pictures.source_dpi(); dpi != face::kBaseDpi) {
    hover = over_normal(normal, hover, dpi, true);
    pressed = over_normal(normal, pressed, dpi, false);
  }
  normal_original_ = pictures.fit(std::move(normal));
  hover_original_ = pictures.fit(std::move(hover));
  pressed_original_ = pictures.fit(std::move(pressed));
  mask_ = pictures.fit(pictures.source(face::kMaskResource));
  if (!scale_.own_pictures()) face::to_two_levels(mask_.view());
  normal_ = normal_original_;
  hover_ = hover_original_;
  pressed_ = pressed_original_;
  if (shift_ != 0) recolour(shift_);
  canvas_ = Dib(scale_.client_width(), scale_.client_height());
  canvas_.fill(kLcdColour);
  canvas_.copy_from(normal_.view(), 0, 0, normal_.width(), normal_.height());
  show_base_strip(base_);
}

int FaceCanvas::recolour(int shift) {
  const int applied = clamp_skin_shift(shift);
  shift_ = applied;
  const ColourShift colour(applied);
  colour.apply(normal_original_.view(), normal_.view());
  colour.apply(hover_original_.view(), hover_.view());
  colour.apply(pressed_original_.view(), pressed_.view());
  return applied;
}

void FaceCanvas::compose_around_lcd() {
  if (!canvas_.valid()) return;
  const ConstBgrView face = normal_.view();
  const face::Rect lcd = scale_.lcd_area();
  const int lcd_right = lcd.left + lcd.width;
  const int lcd_bottom = lcd.top + lcd.height;
  canvas_.copy_from(face, 0, 0, face.width, lcd.top);
  canvas_.copy_from(face, 0, lcd.top, lcd.left, lcd.height);
  canvas_.copy_from(face, lcd_right, lcd.top, face.width - lcd_right, lcd.height);
  canvas_.copy_from(face, 0, lcd_bottom, face.width, face.height - lcd_bottom);
  show_base_strip(base_);
}

void FaceCanvas::show_base_strip(NumberBase base) {
  base_ = base;
  const int index = static_cast<int>(base == NumberBase::Hex   ? face::StripBase::kHex
                                     : base == NumberBase::Dec ? face::StripBase::kDec
                                     : base == NumberBase::Oct ? face::StripBase::kOct
                                                               : face::StripBase::kBin);
  const face::Rect look = scale_.strip_look(index);
  const face::Rect place = scale_.strip();
  canvas_.copy_from(hover_.view(), look.left, look.top, look.width, look.height, place.left,
                    place.top);
  const RECT strip = to_rect(place);
  if (*owner_ != nullptr) InvalidateRect(*owner_, &strip, FALSE);
}

}  // namespace orvanta::win32
