#include "win32/system/window_below.h"

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

TopLevelWindow describe(HWND window) {
  TopLevelWindow w;
  w.visible = IsWindowVisible(window) != FALSE;
  w.enabled = IsWindowEnabled(window) != FALSE;
  w.topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
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
  for (HWND w = GetTopWindow(nullptr); w != nullptr && handles.size() < kMostWindows;
       w = GetWindow(w, GW_HWNDNEXT)) {
    handles.push_back(w);
    windows.push_back(describe(w));
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
