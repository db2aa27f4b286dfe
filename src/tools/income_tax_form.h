#pragma once
// The income-tax panel `grsds_panel` without its window: the five fields as
// texts, the choice of table, what each change stores, and "计  算".
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "tools/income_tax.h"

namespace orvanta {

class IncomeTaxForm {
 public:
  // The base, the deductible items and the table are the calculator's options:
  // start-up reads them (an empty base comes back as "3500") and every change
  // here goes through them. A field that is no amount is reported through the
  // calculator's message boxes.
  explicit IncomeTaxForm(Calculator& calculator) : calculator_(calculator) {}

  // LabeledEdit1Change and friends: the field's whole text; the base and the
  // deductible items are stored at once.
  void salary_changed(std::string_view text) { salary_ = text; }
  void base_changed(std::string_view text);
  void deductions_changed(std::string_view text);
  // A table chosen on the panel is stored; a base still at the old table's
  // default takes the new one's (and is stored like a typed one). The results
  // of the old table are cleared.
  void table_changed(TaxTable table);

  // BitBtn1Click: fills the two result fields. A field that is no amount, or
  // too large for one, brings up a box naming it and leaves the result fields
  // empty; false then.
  bool compute();

  const std::string& salary() const { return salary_; }
  const std::string& base() const { return calculator_.options().tax_base; }
  const std::string& deductions() const { return calculator_.options().tax_deductions; }
  const std::string& after_tax() const { return after_tax_; }
  const std::string& tax() const { return tax_; }
  TaxTable table() const { return table_of(calculator_.options()); }

 private:
  static TaxTable table_of(const Options& options) {
    return options.tax_table == 2 ? TaxTable::Y2019 : TaxTable::Y2011;
  }
  void clear_results();

  Calculator& calculator_;
  std::string salary_;
  std::string after_tax_;
  std::string tax_;
};

}  // namespace orvanta
