#include "tools/shell/shortcut_actions.h"

#include <algorithm>
#include <vector>

namespace orvanta {
namespace {

constexpr std::string_view kNoDesktop = "找不到桌面文件夹，无法添加桌面快捷方式。";
constexpr std::string_view kDesktopFailed = "无法在桌面上创建快捷方式。";
constexpr std::string_view kReplaceFailed = "无法修改系统计算器的快捷方式（可能需要管理员权限）。";
constexpr std::string_view kOfferKey =
    "没有找到系统自带计算器的快捷方式（Windows 10 和 11 的计算器是应用，没有快捷方式）。\n"
    "要让键盘上的计算器键改为启动本计算器吗?";
constexpr std::string_view kKeyDone = "设置成功! 键盘上的计算器键将启动本计算器。";
constexpr std::string_view kOfferUndo =
    "键盘上的计算器键已经启动本计算器。\n要恢复为系统原来的计算器吗?";
constexpr std::string_view kUndoDone = "已恢复: 键盘上的计算器键将启动系统原来的计算器。";
constexpr std::string_view kKeyFailed = "无法保存键盘计算器键的设置。";

void tell(MessageBoxes& boxes, std::string_view text, BoxIcon icon) {
  boxes.show(kShortcutCaption, text, icon, BoxButtons::Ok);
}

// Paths compare as Windows compares them: without regard to the case of ASCII letters.
bool same_path(std::string a, std::string b) {
  const auto lower = [](std::string& s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  };
  lower(a);
  lower(b);
  return a == b;
}

void offer_calculator_key(DesktopShell& shell, MessageBoxes& boxes, const std::string& program) {
  if (same_path(shell.calculator_key(), program)) {
    if (!boxes.ask_yes_no(kShortcutCaption, kOfferUndo)) return;
    if (shell.set_calculator_key({})) {
      tell(boxes, kUndoDone, BoxIcon::Information);
    } else {
      tell(boxes, kKeyFailed, BoxIcon::Error);
    }
    return;
  }
  if (!boxes.ask_yes_no(kShortcutCaption, kOfferKey)) return;
  if (shell.set_calculator_key(program)) {
    tell(boxes, kKeyDone, BoxIcon::Information);
  } else {
    tell(boxes, kKeyFailed, BoxIcon::Error);
  }
}

}  // namespace

void add_desktop_shortcut(DesktopShell& shell, MessageBoxes& boxes) {
  const auto link = desktop_link_path(shell.known_desktop(), shell.registry_desktop());
  if (!link) {
    tell(boxes, kNoDesktop, BoxIcon::Warning);
    return;
  }
  const std::string program = shell.program_path();
  if (!shell.write_link(*link, program, folder_of(program))) {
    tell(boxes, kDesktopFailed, BoxIcon::Error);
  }
}

void replace_system_calculator(DesktopShell& shell, MessageBoxes& boxes) {
  if (!boxes.ask_yes_no(kShortcutCaption, kReplaceQuestion)) return;
  const std::string program = shell.program_path();
  const std::vector<std::string> candidates =
      calculator_link_candidates(shell.start_menu_folders());
  const auto found = std::find_if(candidates.begin(), candidates.end(),
                                  [&](const std::string& path) { return shell.file_exists(path); });
  if (found == candidates.end()) {
    offer_calculator_key(shell, boxes, program);
    return;
  }
  if (shell.retarget_link(*found, program, kCalculatorHotkey)) {
    tell(boxes, kReplaceDone, BoxIcon::Information);
  } else {
    tell(boxes, kReplaceFailed, BoxIcon::Error);
  }
}

}  // namespace orvanta
