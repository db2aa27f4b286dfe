#include "settings/settings_table.h"

namespace orvanta {

namespace {

constexpr bool rows_follow_ids() {
  for (size_t i = 0; i < kStartupSettings.size(); ++i) {
    if (static_cast<size_t>(kStartupSettings[i].id) != i) return false;
  }
  return true;
}
static_assert(rows_follow_ids(), "kStartupSettings lists every SettingId once, in enum order");

}  // namespace

const SettingInfo& setting_info(SettingId id) {
  return kStartupSettings[static_cast<size_t>(id)];
}

std::string alarm_section(int alarm) {
  return "Time" + std::to_string(alarm);
}

std::string key_binding_key(int key_code, std::string_view suffix) {
  return "Key" + std::to_string(key_code) + std::string(suffix);
}

}  // namespace orvanta
