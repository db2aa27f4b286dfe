#pragma once
// The income-tax panel's computation: a progressive table of seven brackets applied to the
// salary less the tax-free base and the deductible items.
#include <array>
#include <string>
#include <string_view>

namespace orvanta {

// Which table the panel applies, as stored: the one of 2011 (base 3500) and the one in force
// since 2019 (base 5000).
enum class TaxTable { Y2011 = 1, Y2019 = 2 };

struct TaxBracket {
  double up_to;  // the taxable amount up to and including this bound; the last has none
  double rate;
  double quick_deduction;
};

using TaxBrackets = std::array<TaxBracket, 7>;

const TaxBrackets& tax_brackets(TaxTable table);
// The base field's text a table starts with: "3500" or "5000".
std::string_view default_tax_base(TaxTable table);

struct TaxResult {
  std::string after_tax;  // salary less tax
  std::string tax;
};

// "计  算": the three field texts (a text that is no number counts as 0), computed in double
// and written as general number text.
TaxResult compute_income_tax(std::string_view salary, std::string_view base,
                             std::string_view deductions, TaxTable table);

// The base field after switching to `table`: a base still at the other table's default
// becomes this table's default; anything the user typed stays.
std::string base_for_table(std::string_view base, TaxTable table);

}  // namespace orvanta
