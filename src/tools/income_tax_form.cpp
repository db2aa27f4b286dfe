#include "tools/income_tax_form.h"

namespace orvanta {

void IncomeTaxForm::base_changed(std::string_view text) {
  calculator_.change_option(SettingId::DeviceGs3500, std::string(text));
}

void IncomeTaxForm::deductions_changed(std::string_view text) {
  calculator_.change_option(SettingId::DeviceGs0, std::string(text));
}

void IncomeTaxForm::table_changed(TaxTable table) {
  if (table == this->table()) return;
  calculator_.change_option(SettingId::DeviceGsTable, static_cast<int>(table));
  const std::string base = base_for_table(this->base(), table);
  if (base != this->base()) base_changed(base);
}

void IncomeTaxForm::compute() {
  const TaxResult result = compute_income_tax(salary_, base(), deductions(), table());
  after_tax_ = result.after_tax;
  tax_ = result.tax;
}

}  // namespace orvanta
