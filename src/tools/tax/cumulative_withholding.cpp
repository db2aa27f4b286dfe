#include "tools/tax/cumulative_withholding.h"

#include <algorithm>

#include "tools/tax/tax_tables.h"

namespace orvanta {

// 国家税务总局公告2018年第61号, article 6: withheld this month = (cumulative taxable income ×
// rate − quick deduction) − tax withheld so far this year, by the cumulative table.
std::vector<MonthWithholding> withhold_cumulative(std::span<const MonthIncome> months,
                                                  Cents basic_deduction) {
  std::vector<MonthWithholding> rows;
  rows.reserve(months.size());
  Cents income_so_far = 0;
  Cents withheld_so_far = 0;
  for (const MonthIncome& m : months) {
    income_so_far += m.pay - basic_deduction - m.insurance - m.special - m.other;
    const Cents taxable = std::max<Cents>(income_so_far, 0);
    const Cents withheld =
        std::max<Cents>(tax_by_table(taxable, kAnnualTable) - withheld_so_far, 0);
    withheld_so_far += withheld;
    rows.push_back({static_cast<int>(rows.size()) + 1, taxable,
                    bracket_for(taxable, kAnnualTable).rate_percent, withheld, withheld_so_far,
                    m.pay - m.insurance - withheld});
  }
  return rows;
}

}  // namespace orvanta
