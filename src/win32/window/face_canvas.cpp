#include "win32/window/face_canvas.h"

#include "face/face_layout.h"
#include "face/skin_colour.h"
#include "win32/system/geometry.h"

namespace orvanta::win32 {
namespace {

constexpr COLORREF kLcdColour = to_colorref(face::kLcdColour);

}  // namespace

void FaceCanvas::create(HINSTANCE instance, int width, int height) {
  normal_original_ = load_bitmap_resource(instance, L"Image2");
  hover_original_ = load_bitmap_resource(instance, L"Image3");
  pressed_original_ = load_bitmap_resource(instance, L"Image4");
  mask_ = load_bitmap_resource(instance, L"Image1");
  normal_ = normal_original_;
  hover_ = hover_original_;
  pressed_ = pressed_original_;
  canvas_ = Dib(width, height);
  canvas_.fill(kLcdColour);
  canvas_.copy_from(normal_.view(), 0, 0, normal_.width(), normal_.height());
  show_base_strip(NumberBase::Dec);
}

int FaceCanvas::recolour(int shift) {
  const int applied = clamp_skin_shift(shift);
  const ColourShift colour(applied);
  colour.apply(normal_original_.view(), normal_.view());
  colour.apply(hover_original_.view(), hover_.view());
  colour.apply(pressed_original_.view(), pressed_.view());
  return applied;
}

void FaceCanvas::compose_around_lcd() {
  if (!canvas_.valid()) return;
  const ConstBgrView face = normal_.view();
  const face::Rect& lcd = face::kLcdArea;
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
  canvas_.copy_from(hover_.view(), face::kStripLookX[index], face::kStripLookY, face::kStrip.width,
                    face::kStrip.height, face::kStrip.left, face::kStrip.top);
  const RECT strip = to_rect(face::kStrip);
  if (*owner_ != nullptr) InvalidateRect(*owner_, &strip, FALSE);
}

}  // namespace orvanta::win32
