#include "win32/windows/help_window.h"

#include "face/display_scale.h"
#include "win32/system/controls.h"
#include "win32/system/dpi.h"
#include "win32/system/win_check.h"
#include "win32/windows/help_text.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TForm1";
constexpr wchar_t kCaption[] = L"Orvanta";

}  // namespace

bool HelpWindow::create(HMODULE text_module, HWND owner) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!register_window_class(kClassName, &BaseWindow::window_proc, GetSysColorBrush(COLOR_INFOBK),
                             LoadIconW(instance, L"MAINICON"))) {
    return false;
  }
  const HWND hwnd = CreateWindowExW(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                    CW_USEDEFAULT, kWidth, kHeight, owner, nullptr, instance, this);
  if (!check(hwnd != nullptr, L"CreateWindowExW (help window)")) return false;
  font_ = make_song_font(face::scale_length(kFontHeight, window_dpi(hwnd_)));
  RECT client;
  GetClientRect(hwnd_, &client);
  edit_ =
      create_child(hwnd_, L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                   client, 1, font_.get());
  if (edit_ == nullptr) return false;
  // The document is longer than an edit control takes by default.
  SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
  text_module_ = text_module;
  return true;
}

void HelpWindow::show_help() {
  // The document goes into the window when it is first shown: laying it out at start-up
  // would delay the calculator's first paint for a window most runs never open.
  if (!text_loaded_ && edit_ != nullptr) {
    const std::wstring text = load_help_text(text_module_);
    text_loaded_ =
        check(SetWindowTextW(edit_, text.c_str()) != FALSE, L"SetWindowTextW (help text)");
  }
  check(SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) != FALSE,
        L"SetWindowPos (help window)");
  ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
  SetForegroundWindow(hwnd_);
}

LRESULT HelpWindow::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (edit_ != nullptr) {
        MoveWindow(edit_, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      }
      return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another scale: the text at the new one, where Windows suggests.
      font_ = make_song_font(face::scale_length(kFontHeight, HIWORD(wp)));
      if (edit_ != nullptr)
        SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
      const RECT* r = reinterpret_cast<const RECT*>(lp);
      SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CTLCOLORSTATIC: {  // a read-only edit asks with this message
      const auto dc = reinterpret_cast<HDC>(wp);
      SetBkColor(dc, GetSysColor(COLOR_INFOBK));
      SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
    }
    case WM_SETFOCUS:
      if (edit_ != nullptr) SetFocus(edit_);
      return 0;
    case WM_CLOSE:
      ShowWindow(hwnd_, SW_HIDE);
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
