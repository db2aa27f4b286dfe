#pragma once
// Where the shell links of the desktop shortcut and of the system calculator are: the paths as
// rules over what the system answers, so they are the same on every Windows the program runs on.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// The desktop shortcut's file name.
inline constexpr std::string_view kDesktopLinkName = "Orvanta.lnk";
// Ctrl+Alt+C as a shell link's hotkey: the key code of C with the Ctrl and Alt modifier flags.
inline constexpr unsigned short kCalculatorHotkey = 0x0643;
// The per-user association of the keyboard's Calculator key (application command 18) and the
// value that names the program it starts.
inline constexpr std::string_view kCalculatorKeyRegistryKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AppKey\\18";
inline constexpr std::string_view kCalculatorKeyValue = "ShellExecute";

// The folder of a program's path, with its trailing backslash ("C:\\a\\b.exe" -> "C:\\a\\");
// empty when the path has no folder.
std::string folder_of(std::string_view program_path);

// The desktop shortcut's path: the shell's known Desktop folder, else the registry's "Desktop"
// value of the user's shell folders. None when neither names a folder, so no link lands at the
// root of a drive.
std::optional<std::string> desktop_link_path(std::string_view known_desktop,
                                             std::string_view registry_desktop);

// What the system says about the Start menu, each empty when it has no answer.
struct StartMenuFolders {
  std::string home_drive;         // %HOMEDRIVE%
  std::string home_path;          // %HOMEPATH%
  std::string all_users_profile;  // %ALLUSERSPROFILE%
  std::string programs;           // the known folder Programs (this user's Start menu)
  std::string common_programs;    // the known folder CommonPrograms (all users')
};

// The system calculator's Start-menu links to look for, in order: this user's before all
// users'; for each, the Start menu of Windows XP ("「开始」菜单\\程序\\附件\\计算器.lnk") and then
// the Accessories folder of Windows 7 and later, under the link's Chinese and its file-system
// name. A folder the system did not name gives no candidate; no path appears twice.
std::vector<std::string> calculator_link_candidates(const StartMenuFolders& folders);

}  // namespace orvanta
