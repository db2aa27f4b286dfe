// Cumulative withholding over a year: equal months, months whose deductions exceed the pay, a
// rise in mid-year, and a month whose cumulative tax falls below what was withheld.
#include "tools/tax/cumulative_withholding.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvanta {
namespace {

std::vector<MonthIncome> months(int count, MonthIncome income) {
  return std::vector<MonthIncome>(static_cast<std::size_t>(count), income);
}

std::vector<Cents> withheld(const std::vector<MonthWithholding>& rows) {
  std::vector<Cents> amounts;
  for (const MonthWithholding& row : rows) amounts.push_back(row.withheld);
  return amounts;
}

TEST(CumulativeWithholding, EqualMonthsClimbThroughTheAnnualBrackets) {
  // 30,000 a month less 5,000, 4,500 insurance and 3,000 special: 17,500 taxable a month.
  const auto rows = withhold_cumulative(months(12, {yuan(30000), yuan(4500), yuan(3000)}));
  EXPECT_EQ(withheld(rows), (std::vector<Cents>{yuan(525), yuan(525), yuan(1680), yuan(1750),
                                                yuan(1750), yuan(1750), yuan(1750), yuan(1750),
                                                yuan(3100), yuan(3500), yuan(3500), yuan(3500)}));
  EXPECT_EQ(rows.back().withheld_so_far, yuan(25080));
  EXPECT_EQ(rows.back().taxable_so_far, yuan(210000));

  const MonthWithholding& march = rows[2];
  EXPECT_EQ(march.month, 3);
  EXPECT_EQ(march.taxable_so_far, yuan(52500));
  EXPECT_EQ(march.rate_percent, 10);
  EXPECT_EQ(march.withheld_so_far, yuan(2730));
  EXPECT_EQ(march.after_tax, yuan(30000 - 4500 - 1680));
}

TEST(CumulativeWithholding, DeductionsBeyondThePayWithholdNothing) {
  const auto rows = withhold_cumulative(months(3, {yuan(6000), yuan(800), yuan(2000)}));
  for (const MonthWithholding& row : rows) {
    EXPECT_EQ(row.taxable_so_far, 0) << row.month;
    EXPECT_EQ(row.withheld, 0) << row.month;
    EXPECT_EQ(row.after_tax, yuan(5200)) << row.month;
  }
}

TEST(CumulativeWithholding, ARiseInMidYearFirstUsesUpTheDeductionsLeftOver) {
  // Six months 600 short of the deductions, then 12,000 taxable a month.
  std::vector<MonthIncome> year = months(6, {yuan(6000), yuan(600), yuan(1000)});
  for (int m = 7; m <= 12; ++m) year.push_back({yuan(20000), yuan(2000), yuan(1000)});
  const auto rows = withhold_cumulative(year);
  EXPECT_EQ(withheld(rows), (std::vector<Cents>{0, 0, 0, 0, 0, 0, yuan(252), yuan(360), yuan(360),
                                                yuan(948), yuan(1200), yuan(1200)}));
  EXPECT_EQ(rows[6].taxable_so_far, yuan(8400));
  EXPECT_EQ(rows.back().withheld_so_far, yuan(4320));  // the annual table on 68,400
}

TEST(CumulativeWithholding, NothingIsPaidBackBeforeTheAnnualSettlement) {
  const std::vector<MonthIncome> year = {
      {yuan(20000), 0, 0}, {0, 0, 0}, {yuan(20000), 0, 0}, {yuan(5000), 0, 0, yuan(20000)}};
  const auto rows = withhold_cumulative(year);
  // Month 2 brings the cumulative tax to 300, below the 450 of month 1.
  EXPECT_EQ(withheld(rows), (std::vector<Cents>{yuan(450), 0, yuan(300), 0}));
  EXPECT_EQ(rows[1].withheld_so_far, yuan(450));
  EXPECT_EQ(rows[3].withheld_so_far, yuan(750));
  EXPECT_EQ(rows[3].taxable_so_far, yuan(5000));
}

TEST(CumulativeWithholding, EachMonthRoundsTheCumulativeTaxSoTheMonthsAddUpToIt) {
  // 1,000.11 taxable a month: the tax so far is 30.0033, 60.0066 and 90.0099.
  const auto rows = withhold_cumulative(months(3, {yuan(6000) + 11, 0, 0}));
  EXPECT_EQ(withheld(rows), (std::vector<Cents>{3000, 3001, 3000}));
  EXPECT_EQ(rows.back().withheld_so_far, 9001);
  EXPECT_EQ(rows.back().taxable_so_far, yuan(3000) + 33);
}

}  // namespace
}  // namespace orvanta
