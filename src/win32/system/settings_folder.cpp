#include "win32/system/settings_folder.h"

#include <shlobj.h>

#include <optional>

#include "platform/wide.h"
#include "settings/settings_location.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {

std::string find_settings_dir(HWND owner) {
  wchar_t system_folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(system_folder, MAX_PATH);
  check(length > 0 && length < MAX_PATH, L"GetSystemDirectoryW");

  std::optional<std::string> common_app_data;
  wchar_t shell_folder[MAX_PATH] = {};
  if (::SHGetSpecialFolderPathW(owner, shell_folder, CSIDL_COMMON_APPDATA, FALSE)) {
    common_app_data = from_wide(shell_folder);
  }
  return settings_dir(common_app_data, from_wide(system_folder));
}

}  // namespace orvanta::win32
