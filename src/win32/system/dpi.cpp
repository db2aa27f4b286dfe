#include "win32/system/dpi.h"

namespace orvanta::win32 {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn get_dpi_for_window() {
  static const auto fn = [] {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
                                   GetProcAddress(user32, "GetDpiForWindow")));
  }();
  return fn;
}

int system_dpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = screen == nullptr ? 0 : GetDeviceCaps(screen, LOGPIXELSX);
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int window_dpi(HWND window) {
  if (window != nullptr) {
    if (const GetDpiForWindowFn fn = get_dpi_for_window()) {
      if (const UINT dpi = fn(window); dpi > 0) return static_cast<int>(dpi);
    }
  }
  return system_dpi();
}

}  // namespace orvanta::win32
