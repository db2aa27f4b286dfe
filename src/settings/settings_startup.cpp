#include "settings/settings_startup.h"

#include <algorithm>

namespace orvanta {
namespace {

StartupValue plan_one(const SettingInfo& info, const std::optional<std::string>& stored) {
  const std::string raw = stored.value_or("");
  StartupValue result{info.id, read_stored(info, stored), std::nullopt};
  if (info.startup_write == StartupWrite::WhenEmpty && raw.empty()) {
    result.store = std::string(info.default_value);
  } else if (info.startup_write == StartupWrite::WhenChanged) {
    // What the control's change handler would store: the value when it differs from the
    // control's state before reading. A choice that selects no button changes nothing.
    const std::string text = stored_text(result.value);
    const bool no_choice = info.type == SettingType::Choice && text != raw;
    const std::string_view before = info.type == SettingType::Text ? raw : text;
    if (!no_choice && before != info.initial_state) result.store = text;
  }
  return result;
}

StartupValue& planned(std::vector<StartupValue>& plan, SettingId id) {
  return *std::find_if(plan.begin(), plan.end(),
                       [id](const StartupValue& v) { return v.id == id; });
}

// The income-tax panel's base goes with its table: an empty base takes the table's, and 2011's
// 3500 in a file without a table (read as the law in force) takes 2019's. A base the user typed
// for the table stored with it stays.
void settle_tax_base(const IniDocument& document, std::vector<StartupValue>& plan) {
  const SettingInfo& base_info = setting_info(SettingId::DeviceGs3500);
  const SettingInfo& table_info = setting_info(SettingId::DeviceGsTable);
  const std::string stored_base = document.get(base_info.section, base_info.key).value_or("");
  const SettingValue& table = planned(plan, SettingId::DeviceGsTable).value;
  const bool no_table = document.get(table_info.section, table_info.key) != stored_text(table);
  const bool old_default = no_table && stored_base == tax_base_for_table(kTaxTable2011);
  const std::string own_base(tax_base_for_table(std::get<int>(table)));
  StartupValue& base = planned(plan, SettingId::DeviceGs3500);
  if ((stored_base.empty() || old_default) && std::get<std::string>(base.value) != own_base) {
    base.value = own_base;
    base.store = own_base;
  }
}

}  // namespace

std::vector<StartupValue> plan_startup_settings(const IniDocument& document) {
  std::vector<StartupValue> plan;
  plan.reserve(kStartupSettings.size());
  for (const SettingInfo& info : kStartupSettings) {
    plan.push_back(plan_one(info, document.get(info.section, info.key)));
  }
  settle_tax_base(document, plan);
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

Options read_startup_options(SettingsStore& store, const StartupContext& context) {
  Options options;
  read_startup_settings(store, context,
                        [&](const StartupValue& v) { set_option(options, v.id, v.value); });
  return options;
}

}  // namespace orvanta
