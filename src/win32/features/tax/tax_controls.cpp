#include "win32/features/tax/tax_controls.h"

#include <commctrl.h>

#include "platform/wide.h"
#include "win32/system/base_window.h"
#include "win32/system/controls.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {

bool TableChoice::create(HWND parent, const RECT (&places)[kCount], HFONT font) {
  for (int i = 0; i < kCount; ++i) {
    const std::wstring caption = to_wide(tax_table_caption(static_cast<TaxTable>(i + 1)));
    buttons_[i] =
        create_child(parent, L"BUTTON", caption.c_str(),
                     BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0), places[i], kFirstId + i, font);
    if (buttons_[i] == nullptr) return false;
  }
  return true;
}

void TableChoice::show(TaxTable table) {
  const int chosen = static_cast<int>(table) - 1;
  for (int i = 0; i < kCount; ++i) {
    SendMessageW(buttons_[i], BM_SETCHECK, i == chosen ? BST_CHECKED : BST_UNCHECKED, 0);
    const LONG_PTR style = GetWindowLongPtrW(buttons_[i], GWL_STYLE);
    // The previous style, never 0 for a child window: 0 is the failure.
    check(SetWindowLongPtrW(buttons_[i], GWL_STYLE,
                            i == chosen ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP}) != 0,
          L"SetWindowLongPtrW (table choice)");
  }
}

HWND TableChoice::checked() const {
  for (const HWND button : buttons_) {
    if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) return button;
  }
  return buttons_[0];
}

std::optional<TaxTable> TableChoice::table_of(int id) {
  if (id < kFirstId || id >= kFirstId + kCount) return std::nullopt;
  return static_cast<TaxTable>(id - kFirstId + 1);
}

void compute_on_enter(HWND field, std::function<void()> compute) {
  subclass_control(field,
                   [compute = std::move(compute)](HWND control, UINT msg, WPARAM wp,
                                                  LPARAM lp) -> std::optional<LRESULT> {
                     if (msg == WM_KEYDOWN && wp == VK_RETURN) {
                       compute();
                       return 0;
                     }
                     if (msg == WM_CHAR && wp == L'\r') return 0;  // no beep
                     if (msg == WM_GETDLGCODE)
                       return DefSubclassProc(control, msg, wp, lp) | DLGC_WANTALLKEYS;
                     return std::nullopt;
                   });
}

void set_text(HWND control, const std::string& text) {
  check(SetWindowTextW(control, to_wide(text).c_str()) != FALSE, L"SetWindowTextW (tax panel)");
}

void set_field_text(HWND field, const std::string& text, bool& loading) {
  loading = true;
  set_text(field, text);
  loading = false;
}

}  // namespace orvanta::win32
