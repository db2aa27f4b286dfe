#pragma once
// The two menu items that tie the calculator into the desktop: a shortcut on the desktop, and
// the system calculator's Start-menu link (or, where Windows has none, the keyboard's
// Calculator key) starting this program. The steps and messages are here; the system behind
// them is a port.
#include <string>

#include "platform/message_boxes.h"
#include "tools/shell/shortcut_paths.h"

namespace orvanta {

class DesktopShell {
 public:
  virtual ~DesktopShell() = default;
  virtual std::string program_path() = 0;
  // The shell's known Desktop folder, and the registry's "Desktop" value of the user's shell
  // folders; each empty when there is no answer.
  virtual std::string known_desktop() = 0;
  virtual std::string registry_desktop() = 0;
  virtual StartMenuFolders start_menu_folders() = 0;
  virtual bool file_exists(const std::string& path) = 0;
  // Each true when the link was written.
  virtual bool write_link(const std::string& path, const std::string& target,
                          const std::string& working_folder) = 0;
  virtual bool retarget_link(const std::string& path, const std::string& target,
                             unsigned short hotkey) = 0;
  // The program the Calculator key starts for this user; empty when the user has set none.
  virtual std::string calculator_key() = 0;
  // Sets it (an empty program removes this user's setting); true when it was stored.
  virtual bool set_calculator_key(const std::string& program) = 0;
};

// Texts of the boxes.
inline constexpr std::string_view kShortcutCaption = "提示";
inline constexpr std::string_view kReplaceQuestion = "确认替换掉系统自带的简易计算器吗?";
inline constexpr std::string_view kReplaceDone = "替换成功!";

// "添加到桌面快捷方式": Orvanta.lnk on the desktop, starting this program in its folder; an
// older one is replaced. Silent when it worked; a box when there is no desktop folder or the
// link could not be written.
void add_desktop_shortcut(DesktopShell& shell, MessageBoxes& boxes);

// "设为系统默认计算器": asks first; the first calculator link found (this user's before all
// users') starts this program with Ctrl+Alt+C. Without such a link (Windows 10 and 11 have an
// app instead) it offers the Calculator key for this user, and takes it back when the key
// already starts this program.
void replace_system_calculator(DesktopShell& shell, MessageBoxes& boxes);

}  // namespace orvanta
