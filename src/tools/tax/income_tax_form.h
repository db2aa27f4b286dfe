#pragma once
// The income-tax panel `grsds_panel` without its window: the fields as texts, the choice of
// table, what each change stores, and "计  算".
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator.h"
#include "tools/tax/income_tax.h"

namespace orvanta {

class IncomeTaxForm {
 public:
  // The base, the deductible items and the table are the calculator's options: start-up reads
  // them (an empty base comes back as its table's) and every change here goes through them. A
  // field that is no amount is reported through the calculator's message boxes.
  explicit IncomeTaxForm(Calculator& calculator) : calculator_(calculator) {}

  // LabeledEdit1Change and friends: the field's whole text; the base and the deductible items
  // are stored at once.
  void salary_changed(std::string_view text) { salary_ = text; }
  void base_changed(std::string_view text);
  void deductions_changed(std::string_view text);
  // Cumulative withholding only, not stored: the special additional deductions per month, and
  // the month (1 to 12) whose withholding the result fields show.
  void special_changed(std::string_view text) { special_ = text; }
  void month_changed(int month) { month_ = month; }
  // A table chosen on the panel is stored; a base still at the old table's default takes the
  // new one's (and is stored like a typed one). The results of the old table are cleared.
  void table_changed(TaxTable table);

  // BitBtn1Click: fills the result fields. A field that is no amount, or too large for one,
  // brings up a box naming it and leaves the result fields empty; false then.
  bool compute();

  const std::string& salary() const { return salary_; }
  const std::string& base() const { return calculator_.options().tax_base; }
  const std::string& deductions() const { return calculator_.options().tax_deductions; }
  const std::string& special() const { return special_; }
  int month() const { return month_; }
  const std::string& after_tax() const { return after_tax_; }
  const std::string& tax() const { return tax_; }
  // Cumulative withholding: months 1 to 12 after a computation; empty otherwise.
  const std::vector<MonthWithholding>& schedule() const { return schedule_; }
  TaxTable table() const { return static_cast<TaxTable>(calculator_.options().tax_table); }

 private:
  void clear_results();

  Calculator& calculator_;
  std::string salary_;
  std::string special_;
  int month_ = 1;
  std::string after_tax_;
  std::string tax_;
  std::vector<MonthWithholding> schedule_;
};

}  // namespace orvanta
