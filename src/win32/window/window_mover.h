#pragma once
// Moves the borderless main window when its face or LCD is dragged with the left button, and in
// mini mode docks the window at the edges of the monitor it is on. Whatever follows the window
// (the unit-conversion window) follows the drag's own offset, which each move reports.
#include <windows.h>

#include <optional>

#include "face/window_drag.h"

namespace orvanta::win32 {

class WindowMover {
 public:
  // Left button down at a client point of `source`, whose component starts at
  // `component_origin` in the client area (the face at 0, 0; the LCD at its place).
  void press(POINT client, DragSource source, POINT component_origin);
  // A mouse move at a client point; nothing when no drag took it, else the drag's own offset
  // (without the edge rules' jumps).
  std::optional<POINT> move(HWND window, POINT client);
  // The button went up or the capture was lost; true when a drag ended.
  bool release();
  bool dragging() const { return drag_.drag_active(); }

  void enter_mini() { drag_.enter_mini(); }
  // Clears docking and brings the whole face back onto its monitor's work area.
  void leave_mini(HWND window);
  bool mini_mode() const { return drag_.mini_mode(); }
  // The face's scale: the docking places and pulls, and the mini outline, grow with it.
  void set_dpi(int dpi) { drag_.set_dpi(dpi); }
  DockState dock() const { return drag_.dock(); }

 private:
  WindowDrag drag_;
  DragSource source_ = DragSource::kFace;
  POINT component_origin_{};
};

// Full rectangle of the monitor the mini window at `window` (its top-left) is on.
Rect monitor_of_mini_window(Point window, int dpi);

}  // namespace orvanta::win32
