#include "settings/option_values.h"

#include <algorithm>
#include <type_traits>

#include "numeric/profile_values.h"

namespace orvanta {
SettingValue option_value(const Options& options, SettingId id) {
  return std::visit([&](auto field) -> SettingValue { return options.*field; },
                    setting_info(id).field);
}

void set_option(Options& options, SettingId id, const SettingValue& value) {
  std::visit(
      [&](auto field) {
        using T = std::remove_reference_t<decltype(options.*field)>;
        options.*field = std::get<T>(value);
      },
      setting_info(id).field);
}

std::string stored_text(const SettingValue& value) {
  if (const bool* flag = std::get_if<bool>(&value)) return profile_text(*flag);
  if (const int* number = std::get_if<int>(&value)) return profile_text(*number);
  return std::get<std::string>(value);
}

bool store_option(SettingsStore& store, SettingId id, const Options& options) {
  return store.write_text(id, stored_text(option_value(options, id)));
}

const SettingInfo* find_setting(std::string_view key) {
  const auto it = std::find_if(kStartupSettings.begin(), kStartupSettings.end(),
                               [key](const SettingInfo& info) { return info.key == key; });
  return it == kStartupSettings.end() ? nullptr : &*it;
}

SettingValue read_stored(const SettingInfo& info, const std::optional<std::string>& stored) {
  const std::string raw = stored.value_or("");
  switch (info.type) {
    case SettingType::OnWhenOne:
      return raw == "1";
    case SettingType::Boolean:
      return profile_bool(stored, info.default_value == "1");
    case SettingType::Integer: {
      const int initial = profile_int(std::string(info.initial_state), 0);
      return std::clamp(profile_int(stored, initial), info.min_value, info.max_value);
    }
    case SettingType::Choice: {
      // Only the exact texts "1" .. max select a button; "01" or "5" leave the default one.
      const std::optional<int> choice = parse_profile_int(raw);
      const bool valid = choice && profile_text(*choice) == raw && *choice >= info.min_value &&
                         *choice <= info.max_value;
      return valid ? *choice : profile_int(std::string(info.default_value), 1);
    }
    case SettingType::Text:
      return raw.empty() ? std::string(info.default_value) : raw;
  }
  return raw;
}

Options initial_options() {
  Options options;
  for (const SettingInfo& info : kStartupSettings) {
    if (info.startup_write == StartupWrite::None) continue;  // no control of its own
    // The initial state is read as stored, except that an empty text stays empty.
    SettingValue value = read_stored(info, std::string(info.initial_state));
    if (info.type == SettingType::Text) value = std::string(info.initial_state);
    set_option(options, info.id, value);
  }
  return options;
}

}  // namespace orvanta
