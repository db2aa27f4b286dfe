#pragma once
// The income-tax panel `grsds_panel` without its window: the five fields as texts, the choice
// of table, what each change stores, and "计  算".
#include <string>
#include <string_view>

#include "settings/settings_startup.h"
#include "settings/settings_store.h"
#include "tools/income_tax.h"

namespace orvanta {

class IncomeTaxForm {
 public:
  explicit IncomeTaxForm(SettingsStore& settings) : settings_(settings) {}

  // Start-up: the base (empty brought back as "3500" by the reader), the deductible items and
  // the table; nothing is written. False for a setting of someone else.
  bool apply_startup_setting(const StartupValue& setting);

  // LabeledEdit1Change and friends: the field's whole text; the base and the deductible items
  // are stored at once.
  void salary_changed(std::string_view text) { salary_ = text; }
  void base_changed(std::string_view text);
  void deductions_changed(std::string_view text);
  // A table chosen on the panel is stored; a base still at the other table's default takes
  // this one's (and is stored like a typed one).
  void table_changed(TaxTable table);

  // BitBtn1Click: fills the two result fields.
  void compute();

  const std::string& salary() const { return salary_; }
  const std::string& base() const { return base_; }
  const std::string& deductions() const { return deductions_; }
  const std::string& after_tax() const { return after_tax_; }
  const std::string& tax() const { return tax_; }
  TaxTable table() const { return table_; }

 private:
  SettingsStore& settings_;
  std::string salary_;
  std::string base_{default_tax_base(TaxTable::Y2011)};
  std::string deductions_;
  std::string after_tax_;
  std::string tax_;
  TaxTable table_ = TaxTable::Y2011;
};

}  // namespace orvanta
