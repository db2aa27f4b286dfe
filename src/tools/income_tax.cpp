#include "tools/income_tax.h"

#include <cmath>
#include <limits>

#include "numeric/extended.h"
#include "numeric/number_text.h"

namespace orvanta {
namespace {

constexpr double kNoBound = std::numeric_limits<double>::infinity();

constexpr TaxBrackets k2011{{
    {1500, 0.03, 0},
    {4500, 0.10, 105},
    {9000, 0.20, 555},
    {35000, 0.25, 1005},
    {55000, 0.30, 2755},
    {80000, 0.35, 5505},
    {kNoBound, 0.45, 13505},
}};

// Monthly taxable income under the rules in force since 1 January 2019.
constexpr TaxBrackets k2019{{
    {3000, 0.03, 0},
    {12000, 0.10, 210},
    {25000, 0.20, 1410},
    {35000, 0.25, 2660},
    {55000, 0.30, 4410},
    {80000, 0.35, 7160},
    {kNoBound, 0.45, 15160},
}};

// A field beyond the range of double is no number either.
double field_value(std::string_view text) {
  Extended value = 0;
  if (!try_parse_number(text, value)) return 0;
  const double d = static_cast<double>(value);
  return std::isfinite(d) ? d : 0;
}

// Three fields near the top of the range can still add up beyond it.
std::string result_text(double value) {
  return std::isinf(value) ? infinity_text(value) : general_text(value);
}

}  // namespace

const TaxBrackets& tax_brackets(TaxTable table) {
  return table == TaxTable::Y2019 ? k2019 : k2011;
}

std::string_view default_tax_base(TaxTable table) {
  return table == TaxTable::Y2019 ? "5000" : "3500";
}

TaxResult compute_income_tax(std::string_view salary, std::string_view base,
                             std::string_view deductions, TaxTable table) {
  const double s = field_value(salary);
  double taxable = s - field_value(base) - field_value(deductions);
  if (!(taxable > 0)) taxable = 0;
  const TaxBrackets& brackets = tax_brackets(table);
  const TaxBracket* bracket = &brackets.back();
  for (const TaxBracket& b : brackets) {
    if (taxable <= b.up_to) {
      bracket = &b;
      break;
    }
  }
  const double tax = taxable * bracket->rate - bracket->quick_deduction;
  return {result_text(s - tax), result_text(tax)};
}

std::string base_for_table(std::string_view base, TaxTable table) {
  const TaxTable other = table == TaxTable::Y2019 ? TaxTable::Y2011 : TaxTable::Y2019;
  return std::string(base == default_tax_base(other) ? default_tax_base(table) : base);
}

}  // namespace orvanta
