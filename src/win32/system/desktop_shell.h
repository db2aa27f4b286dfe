#pragma once
// The desktop shortcut and the system calculator's link as Windows keeps them: known folders,
// the environment, the user's registry and shell links. The calling thread has COM initialised
// (the main window holds a ComApartment).
#include "tools/shell/shortcut_actions.h"

namespace orvanta::win32 {

class WindowsDesktopShell : public DesktopShell {
 public:
  std::string program_path() override;
  std::string known_desktop() override;
  std::string registry_desktop() override;
  StartMenuFolders start_menu_folders() override;
  bool file_exists(const std::string& path) override;
  bool write_link(const std::string& path, const std::string& target,
                  const std::string& working_folder) override;
  bool retarget_link(const std::string& path, const std::string& target,
                     unsigned short hotkey) override;
  std::string calculator_key() override;
  bool set_calculator_key(const std::string& program) override;
};

}  // namespace orvanta::win32
