#include "face/window_drag.h"

#include "face/display_scale.h"

namespace orvanta {

namespace {

// Where each source docks and how far the mouse must pull to release it. The LCD sits further
// inside the window than the bezel, so it docks further out and needs a longer pull.
struct EdgeConstants {
  int top_dock;      // T
  int top_release;   // D
  int bottom_dock;   // B
  int left_dock;     // L
  int left_release;  // E
};

constexpr EdgeConstants kFaceEdges{-25, 25, 116, -20, 25};
constexpr EdgeConstants kLcdEdges{-38, 43, 122, -50, 55};

}  // namespace

// A release puts the window at its place (top + 30, bottom − 140, left + 30, right − 440) plus
// how far the pull went beyond its threshold: where a drag in one-pixel steps would have it by
// now, so moves that arrive coalesced on a busy machine end where small steps end.
Point apply_edge_rules(DragSource source, const EdgeInput& in, DockState& dock) {
  const face::DisplayScale s(in.dpi);
  const EdgeConstants& c1 = source == DragSource::kFace ? kFaceEdges : kLcdEdges;
  const EdgeConstants c{s(c1.top_dock), s(c1.top_release), s(c1.bottom_dock), s(c1.left_dock),
                        s(c1.left_release)};
  const Rect& m = in.monitor;
  Point w = in.window;

  if (w.y <= m.top - s(10) && !dock.vertical) {
    w.y = m.top + c.top_dock;
    dock.vertical = true;
  } else if (dock.vertical && in.mouse.y - in.origin.y > c.top_release &&
             in.cursor.y < m.bottom - s(92)) {
    w.y = m.top + s(30) + (in.mouse.y - in.origin.y - c.top_release - 1);
    dock.vertical = false;
  }

  if (w.y >= m.bottom - s(135) && !dock.vertical) {
    w.y = m.bottom - c.bottom_dock;
    dock.vertical = true;
  } else if (dock.vertical && in.origin.y - in.mouse.y > s(25) && in.cursor.y > m.top + s(92)) {
    w.y = m.bottom - s(140) - (in.origin.y - in.mouse.y - s(25) - 1);
    dock.vertical = false;
  }

  if (w.x <= m.left && !dock.horizontal) {
    w.x = m.left + c.left_dock;
    dock.horizontal = true;
  } else if (dock.horizontal && in.mouse.x - in.origin.x > c.left_release &&
             in.cursor.x < m.right - s(388)) {
    w.x = m.left + s(30) + (in.mouse.x - in.origin.x - c.left_release - 1);
    dock.horizontal = false;
  }

  if (w.x >= m.right - s(430) && !dock.horizontal) {
    w.x = m.right - s(408);
    dock.horizontal = true;
  } else if (dock.horizontal && in.origin.x - in.mouse.x > s(25) && in.cursor.x > m.left + s(388)) {
    w.x = m.right - s(440) - (in.origin.x - in.mouse.x - s(25) - 1);
    dock.horizontal = false;
  }
  return w;
}

void WindowDrag::press(Point in_component) {
  drag_active_ = true;
  drag_origin_ = in_component;
}

std::optional<DragStep> WindowDrag::move(DragSource source, Point window, Point mouse, Point cursor,
                                         const Rect& monitor) {
  if (!drag_active_) return std::nullopt;
  Point offset;
  if (!dock_.vertical) offset.y = mouse.y - drag_origin_.y;
  if (!dock_.horizontal) offset.x = mouse.x - drag_origin_.x;
  Point moved{window.x + offset.x, window.y + offset.y};
  if (mini_mode_) {
    const DockState before = dock_;
    moved = apply_edge_rules(source, {moved, mouse, drag_origin_, cursor, monitor, dpi_}, dock_);
    // A release puts the window at a fixed place under a mouse that stays where it is; the
    // grip moves with it, so the window goes on from there instead of jumping back under the
    // mouse at the next move (or not, when moves come coalesced).
    if (before.vertical && !dock_.vertical) drag_origin_.y = mouse.y + window.y - moved.y;
    if (before.horizontal && !dock_.horizontal) drag_origin_.x = mouse.x + window.x - moved.x;
  }
  return DragStep{moved, offset};
}

Point keep_on_work_area(Point window, Point size, const Rect& work_area) {
  const auto fit = [](int at, int length, int low, int high) {
    if (at + length > high) at = high - length;
    return at < low ? low : at;
  };
  return {fit(window.x, size.x, work_area.left, work_area.right),
          fit(window.y, size.y, work_area.top, work_area.bottom)};
}

void WindowDrag::leave_mini() {
  mini_mode_ = false;
  dock_ = {};
}

}  // namespace orvanta
