#include "win32/system/window_below.h"

#include <string>
#include <vector>

#include "platform/wide.h"
#include "tools/exchange/exchange_target.h"
#include "win32/system/answering_wait.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

// Windows come and go while the list is walked; a bound keeps a list that changes under the
// walk from running on.
constexpr std::size_t kMostWindows = 4096;
// GetWindowText's buffer: 255 characters and the NUL.
constexpr int kTitleBuffer = 256;
// How long the window below may take to put the focus on its control once it is active.
constexpr int kFocusWaitMs = 300;
constexpr int kFocusPollMs = 10;

// DWMWA_CLOAKED of dwmapi.h (Windows 8 and later).
constexpr DWORD kDwmCloaked = 14;
using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

// DwmGetWindowAttribute, looked up once: Windows without dwmapi.dll (and Wine builds without it)
// still start; nullptr there.
DwmGetWindowAttributeFn dwm_get_window_attribute() {
  static const DwmGetWindowAttributeFn function = []() -> DwmGetWindowAttributeFn {
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (!check(length > 0 && length < MAX_PATH, L"GetSystemDirectoryW")) return nullptr;
    // From the system folder only, never a dwmapi.dll beside the program. Kept loaded.
    const HMODULE dwm = check_handle(LoadLibraryW((std::wstring(system) + L"\\dwmapi.dll").c_str()),
                                     L"LoadLibraryW (dwmapi.dll)");
    if (dwm == nullptr) return nullptr;
    return reinterpret_cast<DwmGetWindowAttributeFn>(
        reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")));
  }();
  return function;
}

// A window DWM keeps from the screen although it is visible to the system. Before Windows 8
// the attribute is unknown and the call fails: nothing is cloaked there.
bool cloaked(HWND window) {
  const DwmGetWindowAttributeFn get = dwm_get_window_attribute();
  DWORD cloak = 0;
  return get != nullptr && SUCCEEDED(get(window, kDwmCloaked, &cloak, sizeof cloak)) && cloak != 0;
}

TopLevelWindow describe(HWND window, HWND shell) {
  TopLevelWindow w;
  w.visible = IsWindowVisible(window) != FALSE;
  w.enabled = IsWindowEnabled(window) != FALSE;
  const LONG extended = GetWindowLongW(window, GWL_EXSTYLE);
  w.topmost = (extended & WS_EX_TOPMOST) != 0;
  w.tool_window = (extended & WS_EX_TOOLWINDOW) != 0;
  w.app_window = (extended & WS_EX_APPWINDOW) != 0;
  w.shell_desktop = window == shell;
  // Only a window that would otherwise count is asked.
  w.cloaked = w.visible && cloaked(window);
  wchar_t title[kTitleBuffer] = {};
  const int length = GetWindowTextW(window, title, kTitleBuffer);
  try {
    w.title = from_wide(std::wstring_view(title, static_cast<std::size_t>(length)));
  } catch (const EncodingError&) {
    w.title = "?";  // a title that is no UTF-16 text is still a title
  }
  return w;
}

}  // namespace

HWND find_window_below(bool skip_topmost) {
  std::vector<HWND> handles;
  std::vector<TopLevelWindow> windows;
  const HWND shell = GetShellWindow();
  for (HWND w = GetTopWindow(nullptr); w != nullptr && handles.size() < kMostWindows;
       w = GetWindow(w, GW_HWNDNEXT)) {
    handles.push_back(w);
    windows.push_back(describe(w, shell));
  }
  const auto index = find_target_window(windows, skip_topmost);
  return index ? handles[*index] : nullptr;
}

namespace {

bool inside(HWND target, HWND window) {
  return window != nullptr && (window == target || IsChild(target, window));
}

// The target's own thread moves the focus on activation (an editor to its text): the focus of
// that thread once it lies on a control inside the target, or on the target itself when the
// time is up.
HWND focus_after_activation(HWND target, DWORD theirs) {
  HWND last = nullptr;
  for (int waited = 0; waited <= kFocusWaitMs; waited += kFocusPollMs) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(theirs, &info) && inside(target, info.hwndFocus)) {
      if (info.hwndFocus != target) return info.hwndFocus;
      last = target;
    }
    wait_answering(kFocusPollMs);
  }
  return last;
}

// The attached way: the target is given the focus from here and passes it on to its control.
HWND focus_given_from_here(HWND target, DWORD theirs) {
  const DWORD own = GetCurrentThreadId();
  const bool attached =
      theirs != own && check(AttachThreadInput(own, theirs, TRUE) != FALSE, L"AttachThreadInput");
  SetFocus(target);
  const HWND focus = GetFocus();
  if (attached) AttachThreadInput(own, theirs, FALSE);
  return inside(target, focus) ? focus : nullptr;
}

}  // namespace

HWND control_with_caret(HWND target) {
  const DWORD theirs = GetWindowThreadProcessId(target, nullptr);
  if (theirs == 0) return target;
  SetForegroundWindow(target);
  if (const HWND focus = focus_after_activation(target, theirs); focus && focus != target) {
    return focus;
  }
  const HWND focus = focus_given_from_here(target, theirs);
  return focus != nullptr ? focus : target;
}

}  // namespace orvanta::win32
