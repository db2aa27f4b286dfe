#pragma once
// Start-up reading of sections Setup and Welcome: each value goes into the options in the
// table's order, and start-up stores what the controls' change handlers would store when a
// value differs from a control's state before reading. On a first start this leaves the file
// holding exactly the values the program needs to store.
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "settings/ini_document.h"
#include "settings/option_values.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace orvanta {

struct StartupValue {
  SettingId id;
  SettingValue value;
  std::optional<std::string> store;  // what start-up writes back, if anything
};

// The values in reading order, from the file as it is.
std::vector<StartupValue> plan_startup_settings(const IniDocument& document);

struct StartupContext {
  bool first_start = false;  // no settings file before start-up
  bool can_store = true;     // false when the settings folder could not be created
};

// Reads the file, calls `apply` for each value in order (the window sets the control or state
// and its effect, but does not write), and stores the values the plan says to store; on a first
// start also binds Esc to the power key. When the file cannot be read (reported) or
// `can_store` is false the defaults are applied and nothing is written.
void read_startup_settings(SettingsStore& store, const StartupContext& context,
                           const std::function<void(const StartupValue&)>& apply);

// The same, gathering every value into the options.
Options read_startup_options(SettingsStore& store, const StartupContext& context);

}  // namespace orvanta
