#include "win32/windows/help_window.h"

#include <algorithm>

#include "face/display_scale.h"
#include "win32/system/controls.h"
#include "win32/system/dpi.h"
#include "win32/system/win_check.h"
#include "win32/windows/help_text.h"

namespace orvanta::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TForm1";
constexpr wchar_t kCaption[] = L"Orvanta";
constexpr UINT kPutRest = WM_APP + 1;

// Where the part of `text` that fills `lines` lines of `width` pixels surely ends: at a line end,
// each paragraph taken as at least one line and as few as its characters make at `char_width`
// (the font's average, narrower than its Chinese characters, so it rather takes too much).
size_t first_part_end(const std::wstring& text, int lines, int width, int char_width) {
  const size_t per_line = static_cast<size_t>(std::max(width / std::max(char_width, 1), 1));
  size_t at = 0;
  for (int filled = 0; filled < lines && at < text.size();) {
    size_t end = text.find(L'\n', at);
    end = end == std::wstring::npos ? text.size() : end + 1;
    filled += 1 + static_cast<int>((end - at) / per_line);
    at = end;
  }
  return at;
}

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
  check(SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) != FALSE,
        L"SetWindowPos (help window)");
  // Maximised before the text goes in, which is then laid out once, at the width it is shown.
  ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
  // The document goes into the window when it is first shown: laying it out at start-up
  // would delay the calculator's first paint for a window most runs never open.
  if (!text_loaded_ && edit_ != nullptr) {
    text_loaded_ = true;
    put_first_part(load_help_text(text_module_));
  }
  SetForegroundWindow(hwnd_);
}

void HelpWindow::put_first_part(const std::wstring& text) {
  RECT client;
  GetClientRect(edit_, &client);
  TEXTMETRICW tm{};
  const HDC dc = GetDC(edit_);
  {
    ScopedSelect font(dc, font_.get());
    GetTextMetricsW(dc, &tm);
  }
  ReleaseDC(edit_, dc);
  const int lines = client.bottom / std::max<int>(tm.tmHeight, 1) + 1;
  const size_t end = first_part_end(text, lines, client.right, tm.tmAveCharWidth);
  check(SetWindowTextW(edit_, text.substr(0, end).c_str()) != FALSE, L"SetWindowTextW (help)");
  if (end == text.size()) return;
  rest_ = text.substr(end);
  PostMessageW(hwnd_, kPutRest, 0, 0);
}

// Appended without a visible change: the view and the selection stay where they were.
void HelpWindow::put_rest() {
  if (rest_.empty()) return;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const LRESULT top_line = SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
  const int length = GetWindowTextLengthW(edit_);
  SendMessageW(edit_, EM_SETSEL, length, length);
  SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(rest_.c_str()));
  SendMessageW(edit_, EM_SETSEL, start, end);
  SendMessageW(edit_, EM_LINESCROLL, 0,
               top_line - SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0));
  SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(edit_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  rest_ = std::wstring();
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
    case kPutRest:
      put_rest();
      return 0;
    case WM_CLOSE:
      ShowWindow(hwnd_, SW_HIDE);
      return 0;
  }
  return default_proc(msg, wp, lp);
}

}  // namespace orvanta::win32
