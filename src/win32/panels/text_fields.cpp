#include "win32/panels/text_fields.h"

#include <commctrl.h>

#include "win32/panels/long_field.h"
#include "win32/system/controls.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr UINT_PTR kFieldKeysId = 1;

LRESULT CALLBACK field_keys_proc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR data) {
  auto* on_enter = reinterpret_cast<std::function<void()>*>(data);
  switch (msg) {
    case WM_KEYDOWN:
      if (wp == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        SendMessageW(edit, EM_SETSEL, 0, -1);
        return 0;
      }
      if (wp == VK_RETURN && *on_enter) {
        (*on_enter)();
        return 0;
      }
      break;
    case WM_CHAR:
      // The characters of Ctrl+A and Enter would only beep.
      if (wp == 1 || (wp == L'\r' && *on_enter)) return 0;
      break;
    case WM_GETDLGCODE:
      // Enter belongs to the field, not to a dialog around it.
      return DefSubclassProc(edit, msg, wp, lp) | DLGC_WANTALLKEYS;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, field_keys_proc, kFieldKeysId);
      delete on_enter;
      break;
  }
  return DefSubclassProc(edit, msg, wp, lp);
}

}  // namespace

HWND create_labelled_field(HWND parent, const wchar_t* label, int left, int top, int width, int id,
                           HFONT font, DWORD style, std::function<void()> on_enter) {
  // As wide as the longest label: wider, it would cover a line beside it (the formula panel's
  // example).
  create_child(parent, L"STATIC", label, SS_LEFT | SS_NOPREFIX,
               RECT{left, top - kLabelHeight - 2, left + kLabelWidth, top - 2}, -1, font);
  return create_long_field(parent, RECT{left, top, left + width, top + kFieldHeight}, id, font,
                           style, std::move(on_enter));
}

void take_field_keys(HWND edit, std::function<void()> on_enter) {
  auto* data = new std::function<void()>(std::move(on_enter));
  if (!check(SetWindowSubclass(edit, field_keys_proc, kFieldKeysId,
                               reinterpret_cast<DWORD_PTR>(data)) != FALSE,
             L"SetWindowSubclass (field)")) {
    delete data;
  }
}

void set_field_text(HWND edit, const std::wstring& text) {
  SetWindowTextW(edit, text.c_str());
}

}  // namespace orvanta::win32
