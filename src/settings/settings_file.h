#pragma once
// The settings file on disk: GBK text in private-profile format, every write an atomic
// replacement of the whole file, failures reported with the settings warning.
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "settings/settings_store.h"

namespace orvanta {

inline constexpr std::string_view kSettingsWarningCaption = "警告";
// The line break really is line feed then carriage return.
inline constexpr std::string_view kSettingsWarningText =
    "软件参数设置失败!\n\r错误产生原因可能是系统操作员权限不足!";
inline constexpr std::string_view kKeepWarningCaption = "提示";
inline constexpr std::string_view kKeepWarningText = "是否继续提示该警告信息!";

class SettingsFile final : public SettingsStore {
 public:
  SettingsFile(FileSystem& fs, MessageBoxes& boxes, std::string path);

  const std::string& path() const { return path_; }
  bool exists() { return fs_.file_exists(path_); }

  // Set at start-up; answering No to the second warning box clears it for the rest of the run.
  bool warn_on_write_failure() const { return warn_on_write_failure_; }
  void set_warn_on_write_failure(bool on) { warn_on_write_failure_ = on; }

  // Start-up writes back a dozen values: with an unwritable file, the user sees the warning
  // pair once, not once per value. Later failures follow the flag above again.
  class StartUp {
   public:
    explicit StartUp(SettingsFile& file) : file_(file) {
      file_.starting_ = true;
      file_.warned_while_starting_ = false;
    }
    ~StartUp() { file_.starting_ = false; }
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

   private:
    SettingsFile& file_;
  };

  std::optional<IniDocument> read_document() override;
  bool write_values(std::string_view section, std::span<const SettingEntry> entries) override;
  void report_failure() override;

 private:
  FileSystem& fs_;
  MessageBoxes& boxes_;
  std::string path_;
  bool warn_on_write_failure_ = true;
  bool starting_ = false;
  bool warned_while_starting_ = false;
};

}  // namespace orvanta
