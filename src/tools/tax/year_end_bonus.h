#pragma once
// The year-end bonus (全年一次性奖金): taxed on its own, or added to the year's comprehensive
// income, whichever the taxpayer chooses.
#include "tools/tax/money.h"

namespace orvanta {

// The last year in which the bonus may be taxed on its own (财政部 税务总局公告2023年第30号).
inline constexpr int kBonusTaxedAloneUntil = 2027;

// Taxed on its own: a twelfth of the bonus picks the bracket of the monthly table, whose rate
// and quick deduction then apply to the whole bonus.
struct SeparateBonusTax {
  int rate_percent = 0;
  Cents quick_deduction = 0;
  Cents tax = 0;
};

SeparateBonusTax bonus_tax_alone(Cents bonus);

struct BonusComparison {
  SeparateBonusTax alone;
  Cents added = 0;  // the year's tax with the bonus in its comprehensive income, less without
  bool alone_is_lower = false;  // strictly lower; on a tie either way costs the same
};

// `taxable_without_bonus`: the year's comprehensive income less the basic deduction of 60,000
// and the other deductions; below 0 when the deductions are not used up, which the bonus then
// fills first.
BonusComparison compare_bonus_tax(Cents bonus, Cents taxable_without_bonus);

// Whether the choice to tax the bonus on its own still exists in `year`.
constexpr bool bonus_may_be_taxed_alone(int year) {
  return year <= kBonusTaxedAloneUntil;
}

}  // namespace orvanta
