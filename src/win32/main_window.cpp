#include "main_window.h"

#include "handles.h"
#include "win_check.h"

namespace orvanta::win32 {
namespace {
constexpr wchar_t kClassName[] = L"Tcomputer_qel";
constexpr wchar_t kCaption[] = L"Orvanta";
}  // namespace

bool Tcomputer_qel::create(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &BaseWindow::window_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  wc.lpszClassName = kClassName;
  if (!check(RegisterClassExW(&wc) != 0, L"RegisterClassExW")) return false;

  // A tool window has no taskbar button; the calculator lives in the notification area.
  const HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, kCaption,
                                    WS_POPUP | WS_CLIPCHILDREN, kLeft, kTop, kClientWidth,
                                    kClientHeight, nullptr, nullptr, instance, this);
  return check(hwnd != nullptr, L"CreateWindowExW");
}

void Tcomputer_qel::show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  check(UpdateWindow(hwnd_) != FALSE, L"UpdateWindow");
}

void Tcomputer_qel::paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  UniqueBrush lcd(CreateSolidBrush(kLcdColour));
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, lcd.get());
  EndPaint(hwnd_, &ps);
}

LRESULT Tcomputer_qel::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT: no flicker
    case WM_PAINT:
      paint();
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_ESCAPE) {
        DestroyWindow(hwnd_);
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
