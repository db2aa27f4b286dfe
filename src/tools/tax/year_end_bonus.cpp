#include "tools/tax/year_end_bonus.h"

#include <algorithm>

#include "tools/tax/tax_tables.h"

namespace orvanta {

// 财税〔2018〕164号, section 1 (一): the bonus divided by 12 finds the rate in the monthly table;
// 财政部 税务总局公告2023年第30号 keeps that choice until 2027-12-31.
SeparateBonusTax bonus_tax_alone(Cents bonus) {
  if (bonus <= 0) return {};
  const TaxBracket& bracket = bracket_for(bonus, kMonthlyTable2019, 12);
  return {bracket.rate_percent, bracket.quick_deduction,
          percent_of(bonus, bracket.rate_percent) - bracket.quick_deduction};
}

BonusComparison compare_bonus_tax(Cents bonus, Cents taxable_without_bonus) {
  const Cents without = tax_by_table(taxable_without_bonus, kAnnualTable);
  const Cents with = tax_by_table(taxable_without_bonus + std::max<Cents>(bonus, 0), kAnnualTable);
  const SeparateBonusTax alone = bonus_tax_alone(bonus);
  return {alone, with - without, alone.tax < with - without};
}

}  // namespace orvanta
