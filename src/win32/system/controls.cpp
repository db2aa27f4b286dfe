#include "win32/system/controls.h"

#include <commctrl.h>

#include "platform/wide.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {

UniqueFont make_song_font(int pixel_height, int weight) {
  return UniqueFont(
      check_handle(CreateFontW(-pixel_height, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, L"宋体"),
                   L"CreateFontW"));
}

HWND create_child(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style,
                  RECT bounds, int id, HFONT font) {
  // A group box paints only its frame and caption. Transparent, it takes no area away from the
  // parent's or its siblings' painting (WS_CLIPCHILDREN, WS_CLIPSIBLINGS), so what lies inside
  // it gets drawn instead of keeping whatever was on the screen before.
  const bool group_box = lstrcmpiW(window_class, L"BUTTON") == 0 &&
                         (style & BS_TYPEMASK) == static_cast<DWORD>(BS_GROUPBOX);
  const HWND child = check_handle(
      CreateWindowExW(group_box ? WS_EX_TRANSPARENT : 0, window_class, text,
                      WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                      bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr),
      L"CreateWindowExW (control)");
  if (child != nullptr && font != nullptr) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return child;
}

HWND add_tooltip(HWND owner, HWND tool, const wchar_t* text) {
  const HWND tip =
      check_handle(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr),
                   L"CreateWindowExW (tooltip)");
  if (tip == nullptr) return nullptr;
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = const_cast<wchar_t*>(text);
  check(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE,
        L"TTM_ADDTOOLW");
  return tip;
}

std::wstring window_text(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int n = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(n > 0 ? n : 0));
  return text;
}

std::string window_text_utf8(HWND window) {
  try {
    return from_wide(window_text(window));
  } catch (const EncodingError&) {
    return {};
  }
}

bool register_window_class(const wchar_t* name, WNDPROC proc, HBRUSH background, HICON icon,
                           UINT style, const wchar_t* cursor, HICON small_icon) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, name, &wc)) return true;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, cursor);
  wc.hIcon = icon;
  wc.hIconSm = small_icon;
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return check(RegisterClassExW(&wc) != 0, L"RegisterClassExW");
}

void paint_off_screen(HWND window, const std::function<void(HDC, const RECT& area)>& draw) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  const RECT& area = ps.rcPaint;
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  if (w > 0 && h > 0) {
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    UniqueBitmap bitmap(CreateCompatibleBitmap(dc, w, h));
    if (memory && bitmap) {
      ScopedSelect select(memory.get(), bitmap.get());
      SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
      draw(memory.get(), area);
      SetViewportOrgEx(memory.get(), 0, 0, nullptr);
      BitBlt(dc, area.left, area.top, w, h, memory.get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(window, &ps);
}

void PanelLook::paint_background(HWND panel, HDC dc) const {
  RECT client;
  GetClientRect(panel, &client);
  FillRect(dc, &client, brush_.get());
  DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
}

bool PanelLook::handle(HWND panel, UINT msg, WPARAM wp, LRESULT& result) const {
  switch (msg) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
      paint_background(panel, reinterpret_cast<HDC>(wp));
      result = 1;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wp), colour_);
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      result = reinterpret_cast<LRESULT>(brush_.get());
      return true;
  }
  return false;
}

}  // namespace orvanta::win32
