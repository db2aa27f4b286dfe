#include "win32/window/window_mover.h"

#include "face/window_outline.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

Point top_left(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top};
}

void move_window_to(HWND window, Point at) {
  check(SetWindowPos(window, nullptr, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE,
        L"SetWindowPos (drag)");
}

}  // namespace

Rect monitor_of_mini_window(Point window, int dpi) {
  const Rect shown = mini_outline_on_screen(window, dpi);
  const RECT r{shown.left, shown.top, shown.right, shown.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (check(GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info) != FALSE,
            L"GetMonitorInfoW")) {
    const RECT& m = info.rcMonitor;
    return {m.left, m.top, m.right, m.bottom};
  }
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void WindowMover::press(POINT client, DragSource source, POINT component_origin) {
  source_ = source;
  component_origin_ = component_origin;
  drag_.press({client.x - component_origin.x, client.y - component_origin.y});
}

std::optional<POINT> WindowMover::move(HWND window, POINT client) {
  if (!drag_.drag_active()) return std::nullopt;
  const Point from = top_left(window);
  const Point mouse{client.x - component_origin_.x, client.y - component_origin_.y};
  POINT cursor{};
  GetCursorPos(&cursor);
  // The edges matter in mini mode only; outside it no monitor is looked up.
  const Rect monitor = drag_.mini_mode() ? monitor_of_mini_window(from, drag_.dpi()) : Rect{};
  const std::optional<DragStep> step =
      drag_.move(source_, from, mouse, {cursor.x, cursor.y}, monitor);
  if (!step) return std::nullopt;
  if (step->window != from) move_window_to(window, step->window);
  return POINT{step->converter_offset.x, step->converter_offset.y};
}

bool WindowMover::release() {
  const bool was = drag_.drag_active();
  drag_.release();
  return was;
}

void WindowMover::leave_mini(HWND window) {
  drag_.leave_mini();
  // Docked at a bottom or right edge, the full face would stand mostly off the monitor.
  RECT r{};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetWindowRect(window, &r) &&
      GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
    const RECT& w = info.rcWork;
    const Point place = keep_on_work_area({r.left, r.top}, {r.right - r.left, r.bottom - r.top},
                                          {w.left, w.top, w.right, w.bottom});
    if (place.x != r.left || place.y != r.top) move_window_to(window, place);
  }
}

}  // namespace orvanta::win32
