#include "win32/features/alarms/time_field.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>

#include "win32/system/base_window.h"
#include "win32/system/clipboard_text.h"
#include "win32/system/controls.h"

namespace orvanta::win32 {
namespace {

constexpr int kPlaces = 8;  // hh:mm:ss
constexpr wchar_t kBlank = L'_';
constexpr wchar_t kEmptyMask[] = L"__:__:__";
// A time pasted is typed; a longer clipboard text is no time.
constexpr std::size_t kMostPasted = 64;

bool colon_at(int place) {
  return place == 2 || place == 5;
}

// An input method's full-width digits and colon count as the ASCII ones.
wchar_t narrow(wchar_t ch) {
  if (ch >= L'０' && ch <= L'９') return static_cast<wchar_t>(L'0' + (ch - L'０'));
  return ch == L'：' ? L':' : ch;
}

// One edit of the field: its text as the mask's places and its selection, changed as a key
// says and then shown.
class MaskEdit {
 public:
  explicit MaskEdit(HWND field) : field_(field), text_(window_text(field)) {
    // A text of another shape (none yet) starts blank.
    if (text_.size() != kPlaces || text_[2] != L':' || text_[5] != L':') text_ = kEmptyMask;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    start_ = std::min(static_cast<int>(start), kPlaces);
    end_ = std::min(static_cast<int>(end), kPlaces);
  }

  // False when the mask has no place for `ch`.
  bool type(wchar_t ch) {
    ch = narrow(ch);
    if (ch >= L'0' && ch <= L'9') {
      take_selection();
      int at = colon_at(start_) ? start_ + 1 : start_;
      if (at >= kPlaces) return false;
      text_[static_cast<std::size_t>(at)] = ch;
      ++at;
      if (colon_at(at)) ++at;
      start_ = end_ = at;
      return true;
    }
    if (ch != L':') return false;
    take_selection();
    // Just past a ":" its pair has only begun: typing "08:" after the 8 stays in the minutes.
    if (start_ == 3 || start_ == 6) return true;
    const int pair_end = start_ <= 2 ? 2 : start_ <= 5 ? 5 : kPlaces;
    if (pair_end == kPlaces) return false;
    blank(start_, pair_end);
    start_ = end_ = pair_end + 1;
    return true;
  }

  // Backspace blanks the place before the caret, Delete the one after it; either blanks a
  // selection.
  void erase(bool backwards) {
    if (start_ != end_) {
      take_selection();
      return;
    }
    int at = start_;
    if (backwards) {
      if (at == 0) return;
      --at;
      if (colon_at(at)) --at;
      start_ = end_ = at;
    } else {
      if (colon_at(at)) ++at;
      if (at >= kPlaces) return;
    }
    text_[static_cast<std::size_t>(at)] = kBlank;
  }

  void show() const {
    SetWindowTextW(field_, text_.c_str());
    SendMessageW(field_, EM_SETSEL, static_cast<WPARAM>(start_), static_cast<LPARAM>(end_));
  }

 private:
  void blank(int from, int to) {
    for (int i = from; i < to; ++i) {
      if (!colon_at(i)) text_[static_cast<std::size_t>(i)] = kBlank;
    }
  }
  void take_selection() {
    blank(start_, end_);
    end_ = start_;
  }

  HWND field_;
  std::wstring text_;
  int start_ = 0;
  int end_ = 0;
};

std::optional<LRESULT> on_message(HWND field, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CHAR:
    case WM_IME_CHAR: {
      const auto ch = static_cast<wchar_t>(wp);
      // Ctrl+C, Ctrl+V and Ctrl+X come back as WM_COPY, WM_PASTE and WM_CUT.
      if (ch == 3 || ch == 0x16 || ch == 0x18) break;
      if (ch == 1) {  // Ctrl+A
        SendMessageW(field, EM_SETSEL, 0, -1);
        return 0;
      }
      MaskEdit edit(field);
      if (ch == VK_BACK) {
        edit.erase(true);
      } else if (!edit.type(ch)) {
        MessageBeep(MB_OK);
        return 0;
      }
      edit.show();
      return 0;
    }
    case WM_KEYDOWN:
      if (wp != VK_DELETE) break;
      [[fallthrough]];
    case WM_CLEAR: {
      MaskEdit edit(field);
      edit.erase(false);
      edit.show();
      return 0;
    }
    case WM_CUT: {
      DefSubclassProc(field, WM_COPY, 0, 0);
      MaskEdit edit(field);
      edit.erase(false);
      edit.show();
      return 0;
    }
    case WM_PASTE: {
      const std::optional<std::wstring> pasted = read_clipboard_wide(field, kMostPasted);
      if (!pasted) return 0;
      MaskEdit edit(field);
      for (const wchar_t ch : *pasted) {
        if (ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n') continue;
        if (!edit.type(ch)) {
          MessageBeep(MB_OK);
          break;
        }
      }
      edit.show();
      return 0;
    }
    case WM_UNDO:
    case EM_UNDO:
      return 0;  // the edit's undo would bring back a text the mask never had
    case WM_SETFOCUS: {
      const LRESULT result = DefSubclassProc(field, msg, wp, lp);
      SendMessageW(field, EM_SETSEL, 0, -1);
      return result;
    }
    case WM_LBUTTONDOWN: {
      // A click that brings the focus selects all too, instead of putting the caret there.
      if (GetFocus() == field) break;
      const LRESULT result = DefSubclassProc(field, msg, wp, lp);
      SendMessageW(field, EM_SETSEL, 0, -1);
      return result;
    }
  }
  return std::nullopt;
}

}  // namespace

HWND create_time_field(HWND parent, RECT bounds, int id, HFONT font) {
  const HWND field =
      create_child(parent, L"EDIT", kEmptyMask, WS_BORDER | WS_TABSTOP, bounds, id, font);
  if (field == nullptr || !subclass_control(field, on_message)) return nullptr;
  return field;
}

}  // namespace orvanta::win32
