// Amounts in cents: how a field's text reads, and how an amount is written.
#include "tools/tax/money.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanta {
namespace {

struct ReadCase {
  std::string name;
  std::string text;
  Cents cents;
  MoneyProblem problem = MoneyProblem::None;
};

class ReadMoney : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadMoney, ReadsTheText) {
  const ReadCase& c = GetParam();
  const MoneyField field = read_money(c.text);
  EXPECT_EQ(field.problem, c.problem);
  EXPECT_EQ(field.cents, c.cents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadMoney,
    testing::Values(ReadCase{"Empty", "", 0}, ReadCase{"Blanks", "  ", 0},
                    ReadCase{"BlanksAround", " 12.5 ", 1250}, ReadCase{"Negative", "-7", -700},
                    ReadCase{"ThousandsSeparators", "1,234,567.89", 123456789},
                    ReadCase{"FullWidthDigits", "１０００", 100000},
                    ReadCase{"FullWidthSeparatorsPointAndSign", "－１，０００．５", -100050},
                    ReadCase{"IdeographicSpace",
                             "\u3000"
                             "5\u3000",
                             500},
                    // Halves go up, away from zero, at the third decimal; the rest is dropped.
                    ReadCase{"HalfUp", "1.005", 101}, ReadCase{"BelowHalf", "1.0049999", 100},
                    ReadCase{"NegativeHalfUp", "-1.005", -101}, ReadCase{"TinyIsZero", "0.001", 0},
                    ReadCase{"Exponent", "1.5E3", 150000}, ReadCase{"TinyExponent", "1E-400", 0},
                    ReadCase{"Limit", "1000000000000", kMaxAmount},
                    ReadCase{"JustBeyondTheLimit", "1000000000000.01", 0, MoneyProblem::TooLarge},
                    ReadCase{"NegativeBeyondTheLimit", "-2E12", 0, MoneyProblem::TooLarge},
                    ReadCase{"BeyondDouble", "1E400", 0, MoneyProblem::TooLarge},
                    ReadCase{"Letters", "abc", 0, MoneyProblem::NotANumber},
                    ReadCase{"TrailingLetters", "12a", 0, MoneyProblem::NotANumber},
                    ReadCase{"SeparatorFirst", ",100", 0, MoneyProblem::NotANumber},
                    ReadCase{"SeparatorLast", "100,", 0, MoneyProblem::NotANumber},
                    ReadCase{"SeparatorAfterThePoint", "1.000,5", 0, MoneyProblem::NotANumber},
                    ReadCase{"TwoPoints", "1.2.3", 0, MoneyProblem::NotANumber},
                    ReadCase{"LoneSign", "-", 0, MoneyProblem::NotANumber},
                    ReadCase{"ExponentWithoutDigits", "1E", 0, MoneyProblem::NotANumber},
                    ReadCase{"BlankInside", "1 000", 0, MoneyProblem::NotANumber},
                    ReadCase{"Infinity", "INF", 0, MoneyProblem::NotANumber}),
    [](const auto& info) { return info.param.name; });

TEST(MoneyText, CentsWithTrailingZerosDropped) {
  EXPECT_EQ(money_text(0), "0");
  EXPECT_EQ(money_text(5), "0.05");
  EXPECT_EQ(money_text(50), "0.5");
  EXPECT_EQ(money_text(108000), "1080");
  EXPECT_EQ(money_text(339010), "3390.1");
  EXPECT_EQ(money_text(-5), "-0.05");
  EXPECT_EQ(money_text(kMaxAmount), "1000000000000");
}

TEST(PercentOf, RoundsHalvesUpWhereDoubleWouldRoundDown) {
  // 1001.50 × 3 % = 30.045 exactly; in double it is 30.04499…
  EXPECT_EQ(percent_of(100150, 3), 3005);
  EXPECT_EQ(percent_of(-100150, 3), -3005);
  EXPECT_EQ(percent_of(100149, 3), 3004);
}

}  // namespace
}  // namespace orvanta
