#pragma once
// Options read and written through the settings table: by id, as stored texts, as the start-up
// reader reads them.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "settings/options.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace orvanta {

// Boolean and OnWhenOne give bool, Integer and Choice give int, Text gives the text.
using SettingValue = std::variant<bool, int, std::string>;

SettingValue option_value(const Options& options, SettingId id);
void set_option(Options& options, SettingId id, const SettingValue& value);

// As the settings file keeps it: "1" / "0", decimal, or the text itself.
std::string stored_text(const SettingValue& value);

// Writes the option's present value under its key; false when the write failed (reported).
bool store_option(SettingsStore& store, SettingId id, const Options& options);

// The setting kept under `key` in section Setup or Welcome, or nullptr.
const SettingInfo* find_setting(std::string_view key);

// A stored text (nullopt: absent) read as start-up reads it: a non-number boolean or integer
// is the default, a choice other than the exact texts "1" .. max is "1", an empty text the
// default.
SettingValue read_stored(const SettingInfo& info, const std::optional<std::string>& stored);

// The state of the controls before the file is read (not always the file's default:
// "搜索下层窗口时忽略置顶窗口" starts unticked, the welcome field empty).
Options initial_options();

}  // namespace orvanta
