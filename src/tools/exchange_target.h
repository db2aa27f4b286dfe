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
};

// The index of the target in `windows`, or none. The first window (the top of the stacking
// order) is never chosen; after it, invisible, disabled and untitled windows are skipped, the
// calculator's own, and always-on-top windows when `skip_topmost` is set.
std::optional<std::size_t> find_target_window(std::span<const TopLevelWindow> windows,
                                              bool skip_topmost);

}  // namespace orvanta
