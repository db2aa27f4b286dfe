#pragma once
// The contract between the main window and the program around it (the composition root): what
// the window hands up because it is no part of the face.
#include <windows.h>

#include <string>

#include "engine/mouse_button.h"
#include "face/display_scale.h"
#include "numeric/number_base.h"

namespace orvanta::win32 {

// What the window hands up to the program around it.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // A face key's handler (a calculator key or a tool's).
  virtual void run_key(const std::string& name, MouseButton button) = 0;
  // The four-position base strip, pressed `y` pixels below its top.
  virtual void strip_pressed(int y) = 0;
  virtual void hand_clicked() = 0;
  // The right button on the LCD, at a screen point.
  virtual void lcd_menu(POINT screen) = 0;
  // The face or the LCD took a press that was no key's.
  virtual void face_pressed() = 0;
  virtual void lcd_drawn() = 0;
  virtual void dragged(POINT offset) = 0;
  virtual void mini_mode_changed(bool on) = 0;
  // The outline was cut again (the tray icon is registered again after it).
  virtual void outline_changed() = 0;
  // The face is shown at another scale now (the window moved to a monitor of another DPI).
  virtual void scale_changed(const face::DisplayScale& scale) = 0;
  // The base the calculator computes in (screen readers hear which keys act in it).
  virtual NumberBase base() const = 0;
  // Any message the window does not take itself; true when taken, the answer in `result`.
  virtual bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;
};

}  // namespace orvanta::win32
