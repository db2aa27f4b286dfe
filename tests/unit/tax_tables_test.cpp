// The three tables at every bound: the bound belongs to its own bracket, a cent more is in the
// next one, and the quick deductions keep the tax continuous across.
#include "tools/tax/tax_tables.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace orvanta {
namespace {

struct EdgeCase {
  std::string name;
  const TaxBrackets* table;
  Cents taxable;
  int rate_percent;
  Cents tax;
};

class TaxTableEdges : public testing::TestWithParam<EdgeCase> {};

TEST_P(TaxTableEdges, PickTheBracketAndTax) {
  const EdgeCase& c = GetParam();
  EXPECT_EQ(bracket_for(c.taxable, *c.table).rate_percent, c.rate_percent);
  EXPECT_EQ(tax_by_table(c.taxable, *c.table), c.tax);
}

// A bound with the rates on either side and the tax there; a cent more is taxed at the upper
// rate, and the tax barely moves.
struct Bound {
  int yuan_amount;
  int rate_at;
  int rate_above;
  int tax_yuan;
};

std::vector<EdgeCase> at_bounds(const TaxBrackets& table, std::initializer_list<Bound> bounds) {
  std::vector<EdgeCase> cases;
  for (const Bound& b : bounds) {
    const std::string bound = std::to_string(b.yuan_amount);
    cases.push_back({"At" + bound, &table, yuan(b.yuan_amount), b.rate_at, yuan(b.tax_yuan)});
    cases.push_back(
        {"Above" + bound, &table, yuan(b.yuan_amount) + 1, b.rate_above, yuan(b.tax_yuan)});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Annual, TaxTableEdges,
                         testing::ValuesIn(at_bounds(kAnnualTable, {{36000, 3, 10, 1080},
                                                                    {144000, 10, 20, 11880},
                                                                    {300000, 20, 25, 43080},
                                                                    {420000, 25, 30, 73080},
                                                                    {660000, 30, 35, 145080},
                                                                    {960000, 35, 45, 250080}})),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Monthly2019, TaxTableEdges,
                         testing::ValuesIn(at_bounds(kMonthlyTable2019, {{3000, 3, 10, 90},
                                                                         {12000, 10, 20, 990},
                                                                         {25000, 20, 25, 3590},
                                                                         {35000, 25, 30, 6090},
                                                                         {55000, 30, 35, 12090},
                                                                         {80000, 35, 45, 20840}})),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Monthly2011, TaxTableEdges,
                         testing::ValuesIn(at_bounds(kMonthlyTable2011, {{1500, 3, 10, 45},
                                                                         {4500, 10, 20, 345},
                                                                         {9000, 20, 25, 1245},
                                                                         {35000, 25, 30, 7745},
                                                                         {55000, 30, 35, 13745},
                                                                         {80000, 35, 45, 22495}})),
                         [](const auto& info) { return info.param.name; });

TEST(TaxTables, NothingTaxableNoTax) {
  EXPECT_EQ(tax_by_table(0, kAnnualTable), 0);
  EXPECT_EQ(tax_by_table(-yuan(100), kAnnualTable), 0);
  EXPECT_EQ(tax_by_table(1, kAnnualTable), 0);   // 3 % of a cent
  EXPECT_EQ(tax_by_table(17, kAnnualTable), 1);  // 0.51 of a cent
}

TEST(TaxTables, SevenRisingBracketsWhoseQuickDeductionsKeepTheTaxContinuous) {
  for (const TaxBrackets* table : {&kAnnualTable, &kMonthlyTable2019, &kMonthlyTable2011}) {
    for (std::size_t i = 1; i < table->size(); ++i) {
      const TaxBracket& below = (*table)[i - 1];
      const TaxBracket& above = (*table)[i];
      EXPECT_GT(above.up_to, below.up_to);
      EXPECT_GT(above.rate_percent, below.rate_percent);
      // Exact in cents: the bound times either rate, less either quick deduction.
      EXPECT_EQ(below.up_to * above.rate_percent - above.quick_deduction * 100,
                below.up_to * below.rate_percent - below.quick_deduction * 100);
    }
  }
}

TEST(TaxTables, AShareOfTwelveIsComparedWithoutDividing) {
  // 36,000.01 / 12 is 3,000.0008…: just beyond the first bound.
  EXPECT_EQ(bracket_for(yuan(36000), kMonthlyTable2019, 12).rate_percent, 3);
  EXPECT_EQ(bracket_for(yuan(36000) + 1, kMonthlyTable2019, 12).rate_percent, 10);
  EXPECT_EQ(bracket_for(yuan(2'000'000), kMonthlyTable2019, 12).rate_percent, 45);
}

}  // namespace
}  // namespace orvanta
