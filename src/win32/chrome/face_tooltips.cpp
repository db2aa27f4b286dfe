#include "win32/chrome/face_tooltips.h"

#include <commctrl.h>

#include <string>

#include "face/face_layout.h"
#include "platform/wide.h"
#include "win32/system/geometry.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {

HWND create_face_tooltips(HWND owner, const face::DisplayScale& scale) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const HWND tooltip = check_handle(
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr),
      L"CreateWindowExW (tooltips)");
  if (tooltip == nullptr) return nullptr;
  SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 400);  // lets "\r\n" break the hint
  auto add_tool = [&](UINT_PTR id, const RECT& rect, const wchar_t* text) {
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = owner;
    ti.uId = id;
    ti.rect = rect;
    ti.hinst = instance;
    ti.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  };
  for (size_t i = 0; i < face::kFaceKeys.size(); ++i) {
    std::wstring hint = to_wide(face::kFaceKeys[i].hint);
    for (size_t pos = 0; (pos = hint.find(L'\r', pos)) != std::wstring::npos; pos += 2) {
      hint.insert(pos + 1, L"\n");
    }
    if (!hint.empty()) add_tool(i, to_rect(scale.rect(face::kFaceKeys[i].rect)), hint.c_str());
  }
  // The grab hand lies on the LCD: its own hint comes first.
  add_tool(kLcdToolId + 2, indicator_rect("input_hand", scale),
           to_wide(face::kInputHandHint).c_str());
  add_tool(kLcdToolId, to_rect(scale.lcd_area()), LPSTR_TEXTCALLBACKW);
  add_tool(kLcdToolId + 1, to_rect(scale.strip()), to_wide(face::kStripHint).c_str());
  return tooltip;
}

}  // namespace orvanta::win32
