#pragma once
// The income-tax panel's computation: the salary less the tax-free base and the deductible
// items, taxed by the chosen table, in exact cents. The fields' texts are read as amounts; one
// that is no amount is refused by name instead of counting as something else.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_table.h"
#include "tools/tax/cumulative_withholding.h"
#include "tools/tax/money.h"
#include "tools/tax/tax_tables.h"

namespace orvanta {

// Which table the panel applies, as stored in Device_gs_table.
enum class TaxTable {
  Y2011 = kTaxTable2011,            // monthly, base 3500
  Y2019 = kTaxTable2019,            // monthly, base 5000
  Cumulative = kTaxTableCumulative  // cumulative withholding over the year, base 5000 a month
};

// The choice's text on the panel.
std::string_view tax_table_caption(TaxTable table);
// The brackets the table taxes with: the annual ones for cumulative withholding.
const TaxBrackets& tax_brackets(TaxTable table);
// The base field's text a table starts with: "3500" or "5000".
std::string_view default_tax_base(TaxTable table);

// The base field after switching from one table to another: a base still at the old table's
// default becomes the new one's; anything the user typed stays.
std::string base_for_table(std::string_view base, TaxTable from, TaxTable to);

// Bonus and ParentsShare are the cumulative page's own fields (cumulative_tax_page.h).
enum class TaxField { Salary, Base, Deductions, Special, Bonus, ParentsShare };

struct FieldRefusal {
  TaxField field;
  MoneyProblem problem;
};

// The message box a refused field brings up: the caption and a text naming the field.
inline constexpr std::string_view kTaxRefusalCaption = "提示";
std::string refusal_text(const FieldRefusal& refusal);

// Reads fields one after the other and keeps the first refusal.
class TaxFieldReader {
 public:
  Cents read(TaxField field, std::string_view text);
  const std::optional<FieldRefusal>& refused() const { return refused_; }

 private:
  std::optional<FieldRefusal> refused_;
};

// The panel's input texts. The special additional deductions and the month are read only under
// cumulative withholding.
struct TaxFields {
  std::string_view salary;
  std::string_view base;
  std::string_view deductions;  // under cumulative withholding: social insurance and housing fund
  std::string_view special;
  int month = 1;  // the month the result shows, 1 to 12
};

struct TaxResult {
  // Monthly tables: salary less tax. Cumulative withholding: the month's pay less the deductible
  // items and the tax withheld that month.
  std::string after_tax;
  // Monthly tables: the month's tax. Cumulative withholding: the tax withheld in `month`.
  std::string tax;
  // Cumulative withholding only: months 1 to 12 of the same pay.
  std::vector<MonthWithholding> schedule;
  // A field that is no amount, or too large for one: no result.
  std::optional<FieldRefusal> refused;
};

// "计  算": empty fields count as 0; amounts are shown to the cent, trailing zeros dropped.
TaxResult compute_income_tax(const TaxFields& fields, TaxTable table);
inline TaxResult compute_income_tax(std::string_view salary, std::string_view base,
                                    std::string_view deductions, TaxTable table) {
  return compute_income_tax(TaxFields{salary, base, deductions, {}}, table);
}

}  // namespace orvanta
