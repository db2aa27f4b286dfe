#pragma once
// Port: the settings of section `Setup`, by settings key. Writes go through at once; the store
// reports a failed write to the user itself.
#include <string>
#include <string_view>

namespace orvanta {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or `fallback` when the key is absent.
  virtual std::string read_string(std::string_view key, std::string_view fallback) = 0;
  virtual void write_string(std::string_view key, std::string_view value) = 0;

  // Integers and booleans as the settings file stores them: decimal or "0x" hexadecimal;
  // absent or malformed values give the fallback; booleans are written "1" / "0".
  int read_int(std::string_view key, int fallback);
  bool read_bool(std::string_view key, bool fallback);
  void write_int(std::string_view key, int value);
  void write_bool(std::string_view key, bool value);
};

// Reads a stored integer text ("12", "-1", "0x1F"); false when it is not one.
bool parse_settings_int(std::string_view text, int& out);

}  // namespace orvanta
