#include "settings/settings_store.h"

#include "numeric/profile_values.h"

namespace orvanta {
namespace {

std::optional<std::string> stored_value(SettingsStore& store, std::string_view section,
                                        std::string_view key) {
  const std::optional<IniDocument> document = store.read_document();
  if (!document) return std::nullopt;
  return document->get(section, key);
}

}  // namespace

std::string SettingsStore::read_text(std::string_view section, std::string_view key,
                                     std::string_view default_value) {
  return stored_value(*this, section, key).value_or(std::string(default_value));
}

bool SettingsStore::read_bool(std::string_view section, std::string_view key, bool default_value) {
  return profile_bool(stored_value(*this, section, key), default_value);
}

int SettingsStore::read_int(std::string_view section, std::string_view key, int default_value) {
  return profile_int(stored_value(*this, section, key), default_value);
}

bool SettingsStore::write_text(std::string_view section, std::string_view key,
                               std::string_view value) {
  const SettingEntry entry{std::string(key), std::string(value)};
  return write_values(section, std::span(&entry, 1));
}

bool SettingsStore::write_bool(std::string_view section, std::string_view key, bool value) {
  return write_text(section, key, profile_text(value));
}

bool SettingsStore::write_int(std::string_view section, std::string_view key, int value) {
  return write_text(section, key, profile_text(value));
}

bool SettingsStore::write_text(SettingId id, std::string_view value) {
  const SettingInfo& info = setting_info(id);
  return write_text(info.section, info.key, value);
}

bool SettingsStore::write_bool(SettingId id, bool value) {
  return write_text(id, profile_text(value));
}

bool SettingsStore::write_int(SettingId id, int value) {
  return write_text(id, profile_text(value));
}

}  // namespace orvanta
