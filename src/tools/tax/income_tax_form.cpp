#include "tools/tax/income_tax_form.h"

namespace orvanta {

void IncomeTaxForm::base_changed(std::string_view text) {
  calculator_.change_option(SettingId::DeviceGs3500, std::string(text));
}

void IncomeTaxForm::deductions_changed(std::string_view text) {
  calculator_.change_option(SettingId::DeviceGs0, std::string(text));
}

void IncomeTaxForm::table_changed(TaxTable table) {
  const TaxTable old = this->table();
  if (table == old) return;
  calculator_.change_option(SettingId::DeviceGsTable, static_cast<int>(table));
  const std::string base = base_for_table(this->base(), old, table);
  if (base != this->base()) base_changed(base);
  clear_results();
}

bool IncomeTaxForm::compute() {
  TaxResult result =
      compute_income_tax(TaxFields{salary_, base(), deductions(), special_, month_}, table());
  if (result.refused) {
    clear_results();
    calculator_.message_boxes().show(kTaxRefusalCaption, refusal_text(*result.refused),
                                     BoxIcon::Information, BoxButtons::Ok);
    return false;
  }
  after_tax_ = std::move(result.after_tax);
  tax_ = std::move(result.tax);
  schedule_ = std::move(result.schedule);
  return true;
}

void IncomeTaxForm::clear_results() {
  after_tax_.clear();
  tax_.clear();
  schedule_.clear();
}

}  // namespace orvanta
