#pragma once
// The income-tax panel's computation: the salary less the tax-free base and the
// deductible items, taxed by the chosen table, in exact cents. The fields'
// texts are read as amounts; one that is no amount is refused by name instead
// of counting as something else.
#include <optional>
#include <string>
#include <string_view>

#include "tools/money.h"
#include "tools/tax_tables.h"

namespace orvanta {

// Which table the panel applies, as stored: the one of 2011 (base 3500) and the
// one in force since 2019 (base 5000).
enum class TaxTable { Y2011 = 1, Y2019 = 2 };

const TaxBrackets& tax_brackets(TaxTable table);
// The base field's text a table starts with: "3500" or "5000".
std::string_view default_tax_base(TaxTable table);

// The base field after switching from one table to another: a base still at the
// old table's default becomes the new one's; anything the user typed stays.
std::string base_for_table(std::string_view base, TaxTable from, TaxTable to);

enum class TaxField { Salary, Base, Deductions };

struct FieldRefusal {
  TaxField field;
  MoneyProblem problem;
};

// The message box a refused field brings up: the caption and a text naming the
// field.
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

struct TaxResult {
  std::string after_tax;  // salary less tax
  std::string tax;
  // A field that is no amount, or too large for one: no result.
  std::optional<FieldRefusal> refused;
};

// "计  算": empty fields count as 0; amounts are shown to the cent, trailing
// zeros dropped.
TaxResult compute_income_tax(std::string_view salary, std::string_view base,
                             std::string_view deductions, TaxTable table);

}  // namespace orvanta
