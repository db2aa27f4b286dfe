#include "tools/exchange_options.h"

#include "numeric/profile_values.h"
#include "settings/settings_table.h"

namespace orvanta {

char capture_operator_of(std::string_view stored) {
  static constexpr std::string_view kSigns = "+-*/";
  if (stored.size() == 1 && stored[0] >= '1' && stored[0] <= '4') return kSigns[stored[0] - '1'];
  return '+';
}

DeliveryMode delivery_mode_of(std::string_view stored) {
  return stored == "2" ? DeliveryMode::Whole : DeliveryMode::Characters;
}

bool apply_exchange_setting(ExchangeOptions& options, std::string_view key,
                            std::string_view value) {
  const auto is = [key](SettingId id) { return setting_info(id).key == key; };
  // Booleans read as the settings file reads them: an integer, non-zero is on.
  const bool on = parse_profile_int(value).value_or(0) != 0;
  if (is(SettingId::DeviceInputBds)) {
    options.with_formula = on;
  } else if (is(SettingId::DeviceInputSpace)) {
    options.trailing_space = on;
  } else if (is(SettingId::DeviceInputEnter)) {
    options.line_break = on;
  } else if (is(SettingId::DeviceInputClip)) {
    options.copy_sent = on;
  } else if (is(SettingId::DeviceFindWindows)) {
    options.skip_topmost = on;
  } else if (is(SettingId::DeviceCapture)) {
    options.capture_operator = capture_operator_of(value);
  } else if (is(SettingId::DeviceOutputType)) {
    options.mode = delivery_mode_of(value);
  } else {
    return false;
  }
  return true;
}

}  // namespace orvanta
