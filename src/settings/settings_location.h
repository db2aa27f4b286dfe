#pragma once
// Where the settings file lives: "<all-users application data>\Talvenor\Talvenor.ini", with
// the Windows system folder standing in when the shell cannot name that folder.
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/message_boxes.h"

namespace orvanta {

// `common_app_data` is the shell's all-users application-data folder, nullopt when the shell
// call failed; `system_folder` is the Windows system folder.
std::string settings_dir(const std::optional<std::string>& common_app_data,
                         std::string_view system_folder);

// `settings_dir` followed by "\Talvenor.ini".
std::string settings_file(std::string_view settings_dir);

// Creates `settings_dir` (one level) if needed. When it cannot be created the system's error
// is shown once and false is returned: the calculator then runs on its defaults, and each later
// write reports its own failure as usual.
bool prepare_settings_dir(FileSystem& fs, MessageBoxes& boxes, const std::string& settings_dir);

inline constexpr std::string_view kSettingsDirErrorCaption = "错误！";

}  // namespace orvanta
