#include "tools/shell/shortcut_paths.h"

#include <algorithm>

namespace orvanta {
namespace {

constexpr std::string_view kXpAccessories = "\\「开始」菜单\\程序\\附件";
constexpr std::string_view kAccessories = "\\Accessories";
constexpr std::string_view kChineseLink = "\\计算器.lnk";
constexpr std::string_view kFileSystemLink = "\\Calculator.lnk";

// A folder without its trailing backslashes, so joining never doubles one.
std::string trimmed(std::string_view folder) {
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
    folder.remove_suffix(1);
  }
  return std::string(folder);
}

void add(std::vector<std::string>& paths, const std::string& path) {
  if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(path);
}

// The candidates under one user's (or all users') folders.
void add_for(std::vector<std::string>& paths, const std::string& profile,
             const std::string& programs) {
  if (!profile.empty())
    add(paths, profile + std::string(kXpAccessories) + std::string(kChineseLink));
  if (!programs.empty()) {
    const std::string accessories = programs + std::string(kAccessories);
    add(paths, accessories + std::string(kChineseLink));
    add(paths, accessories + std::string(kFileSystemLink));
  }
}

}  // namespace

std::string folder_of(std::string_view program_path) {
  const std::size_t slash = program_path.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string()
                                         : std::string(program_path.substr(0, slash + 1));
}

std::optional<std::string> desktop_link_path(std::string_view known_desktop,
                                             std::string_view registry_desktop) {
  for (const std::string_view folder : {known_desktop, registry_desktop}) {
    const std::string base = trimmed(folder);
    if (!base.empty()) return base + "\\" + std::string(kDesktopLinkName);
  }
  return std::nullopt;
}

std::vector<std::string> calculator_link_candidates(const StartMenuFolders& f) {
  std::vector<std::string> paths;
  // %HOMEDRIVE% and %HOMEPATH% only mean a profile together: "\\Users\\x" alone is a folder
  // on whatever drive is current.
  const std::string home = f.home_drive.empty() || f.home_path.empty()
                               ? std::string()
                               : trimmed(f.home_drive + f.home_path);
  add_for(paths, home, trimmed(f.programs));
  add_for(paths, trimmed(f.all_users_profile), trimmed(f.common_programs));
  return paths;
}

}  // namespace orvanta
