#pragma once
// The one way the program owns a window. A window class of its own derives from BaseWindow:
// `this` is stored at WM_NCCREATE and each message goes to the derived class's handle_message;
// what it does not take falls through to DefWindowProc. A control of Windows' own whose
// messages the program sees first is taken over with subclass_control. Either way no exception
// leaves a handler for Windows: it ends in the fault display and the program goes on.
#include <windows.h>

#include <functional>
#include <optional>

namespace orvanta::win32 {

// What a handler's fault shows (the calculator's error display); set once by the program.
void set_fault_display(std::function<void()> show);
// Shows it; used by the message handlers' firewall, never throws.
void show_fault() noexcept;

// The messages of `control` (a Windows control) go to `handler` first; a message it answers
// with nothing goes on to the control. The handler lives as long as the control.
using ControlHandler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
bool subclass_control(HWND control, ControlHandler handler);

template <typename Derived>
class BaseWindow {
 public:
  HWND hwnd() const { return hwnd_; }
  // The object behind a live window of this class; nullptr once the window is gone (an
  // accessible object a screen reader still holds asks through the handle).
  static Derived* from_hwnd(HWND hwnd) {
    return IsWindow(hwnd) ? reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))
                          : nullptr;
  }

 protected:
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
      self = static_cast<Derived*>(cs->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    try {
      result = self->handle_message(msg, wp, lp);
    } catch (...) {
      show_fault();
    }
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      self->window_gone();
    }
    return result;
  }

  // After the window's last message. A window that owns itself (a control made on the heap by
  // its creation function, as Windows' own controls are) deletes itself here.
  void window_gone() {}

  LRESULT default_proc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd_, msg, wp, lp);
  }

  HWND hwnd_ = nullptr;
};

}  // namespace orvanta::win32
