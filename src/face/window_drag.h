#pragma once
// Dragging the borderless window by its face or LCD, and in mini mode docking it at the edges
// of its monitor. Positions in, positions out: the Win32 side moves the windows.
#include <optional>

#include "face/screen_geometry.h"

namespace orvanta {

// The face pictures and the LCD dock with different constants.
enum class DragSource { kFace, kLcd };

struct DockState {
  bool vertical = false;    // docked_vertical: at the top or bottom edge
  bool horizontal = false;  // docked_horizontal: at the left or right edge
  bool operator==(const DockState&) const = default;
};

// Where the edge rules look after a move.
struct EdgeInput {
  Point window;  // the window's top-left after the move
  Point mouse;   // the mouse in the dragged component
  Point origin;  // drag_origin, in the same component
  Point cursor;  // the cursor on the screen
  Rect monitor;  // full rectangle of the monitor the window is on
  int dpi = 96;  // the face's scale: the docking places and pulls grow with it
};

// The mini-mode edge rules in their order: top dock or release, bottom dock or release, left,
// right. Edges are the monitor's, so a window on a second monitor docks there; with one monitor
// at 0, 0 they are the screen's. Returns the window's new top-left and updates `dock`.
// A release's place is carried on by the pull beyond the threshold, so the window stands where
// a drag in one-pixel steps would have put it.
Point apply_edge_rules(DragSource source, const EdgeInput& in, DockState& dock);

// The top-left that puts a window of `size` from `window` wholly on `work_area`: moved back just
// enough where it sticks out right or below, then left or above (a window larger than the work
// area keeps its top-left on it). Leaving mini mode at a bottom or right dock needs it.
Point keep_on_work_area(Point window, Point size, const Rect& work_area);

// Where one mouse move puts the window and by how much the unit-conversion window follows.
struct DragStep {
  Point window;
  Point converter_offset;  // the drag itself, without the edge rules' jumps
};

class WindowDrag {
 public:
  // Left button down on a face picture or the LCD, at `in_component`.
  void press(Point in_component);
  // Mouse move over the pressed component; nothing while no drag is active. `window` is the
  // window's top-left before the move; `monitor` (used in mini mode only) the full rectangle of
  // the monitor that mini_outline_on_screen(window) is on.
  std::optional<DragStep> move(DragSource source, Point window, Point mouse, Point cursor,
                               const Rect& monitor);
  void release() { drag_active_ = false; }

  void enter_mini() { mini_mode_ = true; }
  // The scale the face is shown at (96 at 100 %).
  void set_dpi(int dpi) { dpi_ = dpi; }
  int dpi() const { return dpi_; }
  // Leaving mini mode clears docking; the converter goes to kConverterAfterMini from the
  // window's top-left, visible or not.
  void leave_mini();
  static constexpr Point kConverterAfterMini{20, 20};

  bool mini_mode() const { return mini_mode_; }
  DockState dock() const { return dock_; }
  bool drag_active() const { return drag_active_; }
  Point drag_origin() const { return drag_origin_; }

 private:
  bool mini_mode_ = false;
  DockState dock_;
  bool drag_active_ = false;
  Point drag_origin_;
  int dpi_ = 96;
};

}  // namespace orvanta
