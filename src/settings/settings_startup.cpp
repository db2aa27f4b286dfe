#include "settings/settings_startup.h"

#include <algorithm>

#include "numeric/profile_values.h"

namespace orvanta {
namespace {

StartupValue plan_one(const SettingInfo& info, const std::optional<std::string>& stored) {
  const std::string raw = stored.value_or("");
  const bool changed = info.startup_write == StartupWrite::WhenChanged;
  StartupValue result{info.id, false, std::nullopt};
  switch (info.type) {
    case SettingType::OnWhenOne: {
      result.value = raw == "1";
      break;
    }
    case SettingType::Boolean: {
      const bool value = profile_bool(stored, info.default_value == "1");
      result.value = value;
      if (changed && profile_text(value) != info.design_state) result.store = profile_text(value);
      break;
    }
    case SettingType::Integer: {
      const int design = profile_int(std::string(info.design_state), 0);
      const int value = std::clamp(profile_int(stored, design), info.min_value, info.max_value);
      result.value = value;
      if (changed && value != design) result.store = profile_text(value);
      break;
    }
    case SettingType::Choice: {
      const std::optional<int> choice = parse_profile_int(raw);
      // Only the exact texts "1" .. max select a button; "01" or "5" leave the first one.
      const bool valid = choice && profile_text(*choice) == raw && *choice >= info.min_value &&
                         *choice <= info.max_value;
      result.value = valid ? *choice : 1;
      if (changed && valid && raw != info.design_state) result.store = raw;
      break;
    }
    case SettingType::Text: {
      const std::string value = raw.empty() ? std::string(info.default_value) : raw;
      result.value = value;
      if (changed && raw != info.design_state) result.store = value;
      break;
    }
  }
  if (info.startup_write == StartupWrite::WhenEmpty && raw.empty()) {
    result.store = std::string(info.default_value);
  }
  return result;
}

}  // namespace

std::vector<StartupValue> plan_startup_settings(const IniDocument& document) {
  std::vector<StartupValue> plan;
  plan.reserve(kStartupSettings.size());
  for (const SettingInfo& info : kStartupSettings) {
    plan.push_back(plan_one(info, document.get(info.section, info.key)));
  }
  return plan;
}

void read_startup_settings(SettingsStore& store, const StartupContext& context,
                           const std::function<void(const StartupValue&)>& apply) {
  const std::optional<IniDocument> document = store.read_document();
  const bool can_store = context.can_store && document.has_value();
  for (const StartupValue& value : plan_startup_settings(document.value_or(IniDocument()))) {
    apply(value);
    if (can_store && value.store) store.write_text(value.id, *value.store);
  }
  if (can_store && context.first_start) {
    store.write_text(kKeyBordSection, key_binding_key(kEscKeyCode, ""), kEscBinding);
  }
}

}  // namespace orvanta
