#include "settings/settings_location.h"

namespace orvanta {

std::string settings_dir(const std::optional<std::string>& common_app_data,
                         std::string_view system_folder) {
  std::string dir = common_app_data ? *common_app_data : std::string(system_folder);
  if (!dir.empty() && dir.back() == '\\') dir.pop_back();
  return dir + "\\Talvenor";
}

std::string settings_file(std::string_view settings_dir) {
  return std::string(settings_dir) + "\\Talvenor.ini";
}

bool prepare_settings_dir(FileSystem& fs, MessageBoxes& boxes, const std::string& settings_dir) {
  const FsResult created = fs.create_directory(settings_dir);
  if (created.ok) return true;
  boxes.show(kSettingsDirErrorCaption, created.error + "\n" + settings_dir, BoxIcon::Warning,
             BoxButtons::Ok);
  return false;
}

}  // namespace orvanta
