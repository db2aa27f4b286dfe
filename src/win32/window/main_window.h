#pragma once
// Tcomputer_qel: the calculator's one borderless, top-most window, and only a window. It paints
// the face from its canvas, finds what the mouse is on and hands it to the part that owns it:
// the key pad, the LCD, the outline and mini mode, the mover. What is no part of the face goes
// up to its host.
#include <windows.h>

#include "win32/system/base_window.h"
#include "win32/system/timer_table.h"
#include "win32/window/face_accessible.h"
#include "win32/window/face_canvas.h"
#include "win32/window/key_focus.h"
#include "win32/window/key_pad.h"
#include "win32/window/lcd_view.h"
#include "win32/window/window_host.h"
#include "win32/window/window_mover.h"

namespace orvanta::win32 {

class Tcomputer_qel : public BaseWindow<Tcomputer_qel>, public AccessibleFace {
 public:
  static constexpr int kLeft = 199;
  static constexpr int kTop = 112;

  Tcomputer_qel(HINSTANCE instance, WindowHost& host, ProgramClock& clock);
  // Registers the class and creates the window with its face, hidden. False on failure.
  bool create(HICON icon, HICON small_icon);

  TimerTable& timers() { return timers_; }
  FaceCanvas& canvas() { return canvas_; }
  LcdView& lcd() { return lcd_; }
  KeyPad& keys() { return keys_; }
  KeyFocus& key_focus() { return focus_; }
  // The invisible control that holds the keyboard focus while the face has it, so the key
  // preview sees the keys.
  HWND focus_home() const { return focus_home_; }

  // The outline cut from the mask, or the LCD's rectangle in mini mode.
  void shape();
  bool mini_mode() const { return mover_.mini_mode(); }
  void toggle_mini_mode();
  // Recolours the face and draws it again around the LCD; returns the shift applied.
  int recolour(int shift);

  // The scale the face is shown at.
  const face::DisplayScale& scale() const { return canvas_.scale(); }

  // What screen readers ask of the face.
  const LcdFrame& shown_frame() const override { return lcd_.frame(); }
  NumberBase shown_base() const override { return host_.base(); }
  int focused_key() const override { return focus_.key(); }
  void press(int key) override;
  face::DisplayScale shown_scale() const override { return scale(); }

 private:
  friend class BaseWindow<Tcomputer_qel>;
  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp);
  void on_create();
  // Builds the face, keys, LCD, tooltips and mover at `dpi`.
  void apply_scale(int dpi);
  void on_dpi_changed(int dpi, const RECT& suggested);
  void paint();
  void on_mouse_move(POINT p);
  void on_button_down(POINT p, MouseButton button, bool double_click);
  void on_button_up(POINT p, MouseButton button);

  HINSTANCE instance_;
  WindowHost& host_;
  TimerTable timers_;
  FaceCanvas canvas_{&hwnd_};
  LcdView lcd_{canvas_.dib(), &hwnd_, [this] { host_.lcd_drawn(); }};
  KeyPad keys_;
  KeyFocus focus_{&hwnd_};
  WindowMover mover_;
  HWND focus_home_ = nullptr;
  HWND tooltip_ = nullptr;
  bool tracking_leave_ = false;
};

}  // namespace orvanta::win32
