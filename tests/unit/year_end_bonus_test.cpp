// The year-end bonus taxed on its own at every bound of the monthly table times 12 (the
// cliffs), and against adding it to the year's comprehensive income.
#include "tools/tax/year_end_bonus.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

struct BonusCase {
  std::string name;
  Cents bonus;
  int rate_percent;
  Cents quick_deduction;
  Cents tax;
};

class BonusAlone : public testing::TestWithParam<BonusCase> {};

TEST_P(BonusAlone, ATwelfthPicksTheRateForTheWholeBonus) {
  const BonusCase& c = GetParam();
  const SeparateBonusTax tax = bonus_tax_alone(c.bonus);
  EXPECT_EQ(tax.rate_percent, c.rate_percent);
  EXPECT_EQ(tax.quick_deduction, c.quick_deduction);
  EXPECT_EQ(tax.tax, c.tax);
}

INSTANTIATE_TEST_SUITE_P(
    Cliffs, BonusAlone,
    testing::Values(BonusCase{"None", 0, 0, 0, 0},
                    BonusCase{"At36000", yuan(36000), 3, 0, yuan(1080)},
                    BonusCase{"CentAbove36000", yuan(36000) + 1, 10, yuan(210), yuan(3390)},
                    BonusCase{"At36001", yuan(36001), 10, yuan(210), yuan(3390) + 10},
                    BonusCase{"At144000", yuan(144000), 10, yuan(210), yuan(14190)},
                    BonusCase{"CentAbove144000", yuan(144000) + 1, 20, yuan(1410), yuan(27390)},
                    BonusCase{"At300000", yuan(300000), 20, yuan(1410), yuan(58590)},
                    BonusCase{"CentAbove300000", yuan(300000) + 1, 25, yuan(2660), yuan(72340)},
                    BonusCase{"At420000", yuan(420000), 25, yuan(2660), yuan(102340)},
                    BonusCase{"CentAbove420000", yuan(420000) + 1, 30, yuan(4410), yuan(121590)},
                    BonusCase{"At660000", yuan(660000), 30, yuan(4410), yuan(193590)},
                    BonusCase{"CentAbove660000", yuan(660000) + 1, 35, yuan(7160), yuan(223840)},
                    BonusCase{"At960000", yuan(960000), 35, yuan(7160), yuan(328840)},
                    BonusCase{"CentAbove960000", yuan(960000) + 1, 45, yuan(15160), yuan(416840)}),
    [](const auto& info) { return info.param.name; });

struct ComparisonCase {
  std::string name;
  Cents bonus;
  Cents taxable_without_bonus;
  Cents alone;
  Cents added;
  bool alone_is_lower;
};

class BonusComparisons : public testing::TestWithParam<ComparisonCase> {};

TEST_P(BonusComparisons, CostAddedToTheYearAgainstAlone) {
  const ComparisonCase& c = GetParam();
  const BonusComparison result = compare_bonus_tax(c.bonus, c.taxable_without_bonus);
  EXPECT_EQ(result.alone.tax, c.alone);
  EXPECT_EQ(result.added, c.added);
  EXPECT_EQ(result.alone_is_lower, c.alone_is_lower);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BonusComparisons,
    testing::Values(
        // With nothing else taxable both ways start at 3 %: a tie is not "lower".
        ComparisonCase{"TieBelowTheFirstCliff", yuan(36000), 0, yuan(1080), yuan(1080), false},
        // Beyond the cliff the annual table climbs gently: 1,080.10 against 3,390.10.
        ComparisonCase{"JustBeyondTheCliff", yuan(36001), 0, yuan(3390) + 10, yuan(1080) + 10,
                       false},
        // Already in the 20 % bracket: 30,000 more costs 6,000 there, 900 alone.
        ComparisonCase{"HighIncome", yuan(30000), yuan(200000), yuan(900), yuan(6000), true},
        // Deductions not used up: the bonus fills them first.
        ComparisonCase{"DeductionsLeftOver", yuan(30000), -yuan(20000), yuan(900), yuan(300),
                       false}),
    [](const auto& info) { return info.param.name; });

TEST(BonusAlone, TheChoiceRunsToTheEndOf2027) {
  EXPECT_TRUE(bonus_may_be_taxed_alone(2027));
  EXPECT_FALSE(bonus_may_be_taxed_alone(2028));
}

}  // namespace
}  // namespace orvanta
