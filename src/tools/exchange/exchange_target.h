#pragma once
// Which window is "the window below": the rules of FindTargetWindow over the top-level windows
// as the system lists them, top of the stacking order first.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvanta {

// The calculator's own caption; a window with this title is never the target.
inline constexpr std::string_view kOwnCaption = "Orvanta";

struct TopLevelWindow {
  bool visible = false;
  bool enabled = false;
  bool topmost = false;  // the always-on-top extended style
  std::string title;     // UTF-8, at most 255 characters read
  // Visible to the system but not shown: Windows 8 and later keep suspended apps and windows
  // on other virtual desktops as visible windows that DWM cloaks (DWMWA_CLOAKED not 0).
  bool cloaked = false;
  bool tool_window = false;  // the WS_EX_TOOLWINDOW extended style
  bool app_window = false;   // the WS_EX_APPWINDOW extended style
  // The shell's desktop window (GetShellWindow): the icons behind every window.
  bool shell_desktop = false;
};

// The index of the target in `windows`, or none. The first window (the top of the stacking
// order) is never chosen; after it, windows no user sees or works in are skipped: invisible,
// cloaked, disabled and untitled ones, tool windows (WS_EX_TOOLWINDOW without
// WS_EX_APPWINDOW: palettes, floating bars, hidden helpers), the shell's desktop window, the
// calculator's own, and always-on-top windows when `skip_topmost` is set.
std::optional<std::size_t> find_target_window(std::span<const TopLevelWindow> windows,
                                              bool skip_topmost);

}  // namespace orvanta
