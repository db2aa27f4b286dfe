#pragma once
// One base for every window class: `this` is stored at WM_NCCREATE and each message goes to
// the derived class's handle_message; what it does not take falls through to DefWindowProc.
#include <windows.h>

namespace orvanta::win32 {

template <typename Derived>
class BaseWindow {
 public:
  HWND hwnd() const { return hwnd_; }

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
    const LRESULT result = self->handle_message(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

  LRESULT default_proc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd_, msg, wp, lp);
  }

  HWND hwnd_ = nullptr;
};

}  // namespace orvanta::win32
