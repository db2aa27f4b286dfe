#include "tools/exchange/exchange_target.h"

namespace orvanta {

std::optional<std::size_t> find_target_window(std::span<const TopLevelWindow> windows,
                                              bool skip_topmost) {
  for (std::size_t i = 1; i < windows.size(); ++i) {
    const TopLevelWindow& w = windows[i];
    if (!w.visible || w.cloaked || !w.enabled || w.title.empty()) continue;
    if (w.tool_window && !w.app_window) continue;
    if (w.shell_desktop) continue;
    if (skip_topmost && w.topmost) continue;
    if (w.title == kOwnCaption) continue;
    return i;
  }
  return std::nullopt;
}

}  // namespace orvanta
