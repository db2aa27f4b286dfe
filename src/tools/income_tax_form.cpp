#include "tools/income_tax_form.h"

namespace orvanta {

bool IncomeTaxForm::apply_startup_setting(const StartupValue& setting) {
  switch (setting.id) {
    case SettingId::DeviceGs3500:
      base_ = std::get<std::string>(setting.value);
      return true;
    case SettingId::DeviceGs0:
      deductions_ = std::get<std::string>(setting.value);
      return true;
    case SettingId::DeviceGsTable:
      table_ = std::get<int>(setting.value) == 2 ? TaxTable::Y2019 : TaxTable::Y2011;
      return true;
    default:
      return false;
  }
}

void IncomeTaxForm::base_changed(std::string_view text) {
  base_ = text;
  settings_.write_text(SettingId::DeviceGs3500, text);
}

void IncomeTaxForm::deductions_changed(std::string_view text) {
  deductions_ = text;
  settings_.write_text(SettingId::DeviceGs0, text);
}

void IncomeTaxForm::table_changed(TaxTable table) {
  if (table == table_) return;
  table_ = table;
  settings_.write_int(SettingId::DeviceGsTable, static_cast<int>(table));
  const std::string base = base_for_table(base_, table);
  if (base != base_) base_changed(base);
}

void IncomeTaxForm::compute() {
  const TaxResult result = compute_income_tax(salary_, base_, deductions_, table_);
  after_tax_ = result.after_tax;
  tax_ = result.tax;
}

}  // namespace orvanta
