#include "win32/system/base_window.h"

#include <commctrl.h>

#include <memory>

#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

std::function<void()>& fault_display() {
  static std::function<void()> show;
  return show;
}

LRESULT CALLBACK control_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* handler = reinterpret_cast<ControlHandler*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &control_proc, 0);
    std::unique_ptr<ControlHandler> gone(handler);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  try {
    if (const std::optional<LRESULT> answer = (*handler)(hwnd, msg, wp, lp)) return *answer;
  } catch (...) {
    show_fault();
    return 0;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void set_fault_display(std::function<void()> show) {
  fault_display() = std::move(show);
}

void show_fault() noexcept {
  try {
    if (fault_display()) fault_display()();
  } catch (...) {
    MessageBeep(MB_ICONHAND);  // the display itself failed: nothing more can be shown
  }
}

bool subclass_control(HWND control, ControlHandler handler) {
  auto owned = std::make_unique<ControlHandler>(std::move(handler));
  if (!check(SetWindowSubclass(control, &control_proc, 0,
                               reinterpret_cast<DWORD_PTR>(owned.get())) != FALSE,
             L"SetWindowSubclass")) {
    return false;
  }
  owned.release();  // freed at the control's WM_NCDESTROY
  return true;
}

}  // namespace orvanta::win32
