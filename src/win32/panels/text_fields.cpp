#include "win32/panels/text_fields.h"

#include <commctrl.h>

#include "win32/panels/long_field.h"
#include "win32/system/base_window.h"
#include "win32/system/controls.h"
#include "win32/system/geometry.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
HWND create_labelled_field(HWND parent, const face::DisplayScale& scale, const wchar_t* label,
                           int left, int top, int width, int id, HFONT font, DWORD style,
                           std::function<void()> on_enter) {
  // As wide as the longest label: wider, it would cover a line beside it (the formula panel's
  // example).
  create_child(parent, L"STATIC", label, SS_LEFT | SS_NOPREFIX,
               scaled(scale, RECT{left, top - kLabelHeight - 2, left + kLabelWidth, top - 2}), -1,
               font);
  return create_long_field(parent, scaled(scale, RECT{left, top, left + width, top + kFieldHeight}),
                           id, font, WS_BORDER | WS_TABSTOP | style, std::move(on_enter));
}

void take_field_keys(HWND edit, std::function<void()> on_enter) {
  subclass_control(edit,
                   [on_enter = std::move(on_enter)](HWND field, UINT msg, WPARAM wp,
                                                    LPARAM lp) -> std::optional<LRESULT> {
                     switch (msg) {
                       case WM_KEYDOWN:
                         if (wp == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
                           SendMessageW(field, EM_SETSEL, 0, -1);
                           return 0;
                         }
                         if (wp == VK_RETURN && on_enter) {
                           on_enter();
                           return 0;
                         }
                         break;
                       case WM_CHAR:
                         // The characters of Ctrl+A and Enter would only beep.
                         if (wp == 1 || (wp == L'\r' && on_enter)) return 0;
                         break;
                       case WM_GETDLGCODE:
                         // Enter belongs to the field, not to a dialog around it.
                         return DefSubclassProc(field, msg, wp, lp) | DLGC_WANTALLKEYS;
                     }
                     return std::nullopt;
                   });
}

void set_field_text(HWND edit, const std::wstring& text) {
  SetWindowTextW(edit, text.c_str());
}

}  // namespace orvanta::win32
