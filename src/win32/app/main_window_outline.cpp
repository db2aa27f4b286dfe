// Tcomputer_qel's outline, face colour and mini mode: the window cut to the calculator's body
// (or to its LCD), the face pictures recoloured from their unrecoloured copies.
#include "face/face_layout.h"
#include "face/skin_colour.h"
#include "face/window_outline.h"
#include "win32/app/main_window.h"
#include "win32/face/window_shape.h"

namespace orvanta::win32 {

void Tcomputer_qel::shape() {
  const std::vector<Rect> runs =
      mover_.mini_mode() ? std::vector<Rect>{kMiniOutline} : mask_runs(mask_.view());
  set_outline(hwnd_, region_from_rects(runs), false);
  // Changing stay-on-top may have dropped the icon; it is registered again either way.
  tray_.readd();
}

void Tcomputer_qel::skin_shift_changed(int shift) {
  recolour_face(shift);
  UpdateWindow(hwnd_);
  pump_.wait(0);
  // The messages just run may have moved the slider again and stored its newer shift; what is
  // stored is the shift the face now shows, never this call's older one.
  calculator_->change_option(SettingId::ColorSkin, skin_shift_);
}

void Tcomputer_qel::recolour_face(int shift) {
  skin_shift_ = clamp_skin_shift(shift);
  const ColourShift colour(skin_shift_);
  colour.apply(normal_original_.view(), normal_face_.view());
  colour.apply(hover_original_.view(), hover_face_.view());
  colour.apply(pressed_original_.view(), pressed_face_.view());
  if (canvas_.valid()) recompose_frame();  // at start-up the frame is composed later
}

// The face around the LCD (which keeps its number and lights), the base selector and every
// key in its present look, all from the recoloured pictures.
void Tcomputer_qel::recompose_frame() {
  const ConstBgrView face = normal_face_.view();
  const face::Rect& lcd = face::kLcdArea;
  const int lcd_right = lcd.left + lcd.width;
  const int lcd_bottom = lcd.top + lcd.height;
  canvas_.copy_from(face, 0, 0, face.width, lcd.top);
  canvas_.copy_from(face, 0, lcd.top, lcd.left, lcd.height);
  canvas_.copy_from(face, lcd_right, lcd.top, face.width - lcd_right, lcd.height);
  canvas_.copy_from(face, 0, lcd_bottom, face.width, face.height - lcd_bottom);
  show_base_strip(calculator_->calc_state().calc_base);
  keys_.paint_all();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Tcomputer_qel::toggle_mini_mode() {
  if (mover_.mini_mode()) {
    leave_mini_mode();
  } else {
    enter_mini_mode();
  }
}

void Tcomputer_qel::enter_mini_mode() {
  mover_.enter_mini();
  set_outline(hwnd_, region_from_rects({kMiniOutline}), true);
  mover_.close_converter();
  // The pop-up menu takes its mini form while mover_ is in mini mode.
}

void Tcomputer_qel::leave_mini_mode() {
  mover_.leave_mini(hwnd_);
  shape();
  // Hidden and shown again: the whole face appears at once in its restored outline.
  ShowWindow(hwnd_, SW_HIDE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  window_hidden_ = false;
}

}  // namespace orvanta::win32
