#include "engine/ports/settings_store.h"

#include <charconv>
#include <string>

namespace orvanta {

bool parse_settings_int(std::string_view text, int& out) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return false;
  out = static_cast<int>(value);
  return true;
}

int SettingsStore::read_int(std::string_view key, int fallback) {
  int value = fallback;
  return parse_settings_int(read_string(key, ""), value) ? value : fallback;
}

bool SettingsStore::read_bool(std::string_view key, bool fallback) {
  return read_int(key, fallback ? 1 : 0) != 0;
}

void SettingsStore::write_int(std::string_view key, int value) {
  write_string(key, std::to_string(value));
}

void SettingsStore::write_bool(std::string_view key, bool value) {
  write_string(key, value ? "1" : "0");
}

}  // namespace orvanta
