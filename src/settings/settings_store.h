#pragma once
// Where the calculator keeps its settings: the settings file in the program, a recorder in
// tests. Every write is one read-change-write of the whole file, so values another running copy
// wrote in between are kept; a failed write is reported by the store itself.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/ini_document.h"
#include "settings/settings_table.h"

namespace orvanta {

struct SettingEntry {
  std::string key;
  std::string value;  // as stored: text, "1"/"0", decimal
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The whole file as it is now: empty when there is none; nullopt when it cannot be read, after
  // the failure has been reported.
  virtual std::optional<IniDocument> read_document() = 0;

  // Stores a group of values of one section in one write; false when it failed (already
  // reported). The caller's change keeps effect either way.
  virtual bool write_values(std::string_view section, std::span<const SettingEntry> entries) = 0;

  // The settings warning, for a failed write or an unreadable section (shown while
  // warn_on_write_failure is set; the user can clear it).
  virtual void report_failure() = 0;

  // One value at a time, with the private-profile defaults.
  std::string read_text(std::string_view section, std::string_view key,
                        std::string_view default_value);
  bool read_bool(std::string_view section, std::string_view key, bool default_value);
  int read_int(std::string_view section, std::string_view key, int default_value);

  bool write_text(std::string_view section, std::string_view key, std::string_view value);
  bool write_bool(std::string_view section, std::string_view key, bool value);
  bool write_int(std::string_view section, std::string_view key, int value);

  bool write_text(SettingId id, std::string_view value);
  bool write_bool(SettingId id, bool value);
  bool write_int(SettingId id, int value);
};

}  // namespace orvanta
