#include "settings/settings_file.h"

#include "settings/atomic_write.h"

namespace orvanta {

SettingsFile::SettingsFile(FileSystem& fs, MessageBoxes& boxes, std::string path)
    : fs_(fs), boxes_(boxes), path_(std::move(path)) {}

std::optional<IniDocument> SettingsFile::read_document() {
  ReadResult file = fs_.read_file(path_);
  switch (file.status) {
    case ReadStatus::Ok:
      return IniDocument::from_bytes(file.bytes);
    case ReadStatus::NotFound:
      return IniDocument();
    case ReadStatus::Failed:
      break;
  }
  report_failure();
  return std::nullopt;
}

bool SettingsFile::write_values(std::string_view section, std::span<const SettingEntry> entries) {
  // Read just before writing so that values another running copy stored are kept; a file that
  // cannot be read is left alone rather than overwritten with this copy's values only.
  std::optional<IniDocument> document = read_document();
  if (!document) return false;
  for (const SettingEntry& entry : entries) document->set(section, entry.key, entry.value);
  if (replace_file_atomically(fs_, path_, document->to_bytes()).ok) return true;
  report_failure();
  return false;
}

void SettingsFile::report_failure() {
  if (!warn_on_write_failure_) return;
  if (starting_) {
    if (warned_while_starting_) return;
    warned_while_starting_ = true;
  }
  boxes_.show(kSettingsWarningCaption, kSettingsWarningText, BoxIcon::Warning, BoxButtons::Ok);
  if (!boxes_.ask_yes_no(kKeepWarningCaption, kKeepWarningText)) warn_on_write_failure_ = false;
}

}  // namespace orvanta
