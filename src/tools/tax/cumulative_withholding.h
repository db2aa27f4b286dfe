#pragma once
// Cumulative withholding of the tax on wages (累计预扣法), in force since 2019: each month the
// year's pay so far, less the year's deductions so far, is taxed by the annual table, and what
// was withheld in the earlier months is taken off.
#include <span>
#include <vector>

#include "tools/tax/money.h"

namespace orvanta {

// The basic deduction (减除费用) for each month of employment.
inline constexpr Cents kMonthlyBasicDeduction = yuan(5000);

// One month's figures; months may differ (a rise in mid-year, a bonus paid with the wages).
struct MonthIncome {
  Cents pay = 0;        // the month's wages before anything is taken off
  Cents insurance = 0;  // social insurance and housing fund paid by the employee (专项扣除)
  Cents special = 0;  // special additional deductions (专项附加扣除), see additional_deductions.h
  Cents other = 0;  // other deductions allowed by law (其他扣除)
};

struct MonthWithholding {
  int month = 0;             // 1 for the first month of the year's employment
  Cents taxable_so_far = 0;  // cumulative taxable income, 0 while the deductions exceed the pay
  int rate_percent = 0;      // of the annual bracket taxable_so_far falls in
  Cents withheld = 0;        // this month
  Cents withheld_so_far = 0;
  Cents after_tax = 0;  // pay − insurance − withheld this month
};

// One row per month given, in order. A month whose cumulative tax is below what was withheld
// before withholds 0; nothing is paid back before the annual settlement.
std::vector<MonthWithholding> withhold_cumulative(std::span<const MonthIncome> months,
                                                  Cents basic_deduction = kMonthlyBasicDeduction);

}  // namespace orvanta
