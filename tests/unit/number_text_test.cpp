#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvanta {
namespace {

Extended factorial(int n) {
  Extended product = 1;
  for (int i = 2; i <= n; ++i) product *= i;
  return product;
}

constexpr Extended kTwoPow64 = 18446744073709551616.0L;
const Extended kInfinity = std::numeric_limits<Extended>::infinity();

struct ParseCase {
  const char* text;
  Extended expected;
};

class ParseNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, ReadsTheCorrectlyRoundedValue) {
  const ParseCase& c = GetParam();
  const Extended value = parse_number(c.text);
  EXPECT_EQ(value, c.expected) << c.text;
  EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumber,
    ::testing::Values(
        ParseCase{"12.5", 12.5L}, ParseCase{"-3", -3.0L}, ParseCase{"+7", 7.0L},
        ParseCase{".5", 0.5L}, ParseCase{"5.", 5.0L}, ParseCase{"000123.4500", 123.45L},
        ParseCase{"  42  ", 42.0L}, ParseCase{"0", 0.0L}, ParseCase{"-0", -0.0L},
        ParseCase{"0.1", 0.1L}, ParseCase{"1.60217733e-19", 1.60217733e-19L},
        ParseCase{"6.0221367E23", 6.0221367e23L}, ParseCase{"1e+5", 1e5L}, ParseCase{"1E-5", 1e-5L},
        ParseCase{"0.333333333333333", 0.333333333333333L},
        // Halfway between 2^64 and 2^64 + 2: ties go to the even significand.
        ParseCase{"18446744073709551617", kTwoPow64},
        ParseCase{"18446744073709551619", kTwoPow64 + 4},
        ParseCase{"18446744073709551617.000000000000000000001", kTwoPow64 + 2},
        ParseCase{"1.18973149535723176502e4932", std::numeric_limits<Extended>::max()},
        ParseCase{"3.3621031431120935063e-4932", std::numeric_limits<Extended>::min()},
        ParseCase{"3.64519953188247460253e-4951", std::numeric_limits<Extended>::denorm_min()},
        ParseCase{"1e-5000", 0.0L}, ParseCase{"-1e-99999999999", -0.0L}));

TEST(ParseNumber, DigitsBeyondTheKeptOnesStillDecideTheRounding) {
  // 2^64 + 1 followed, far beyond any kept digit, by a 1: just above the halfway point.
  const std::string text = "18446744073709551617." + std::string(20000, '0') + "1";
  EXPECT_EQ(parse_number(text), kTwoPow64 + 2);
  EXPECT_EQ(parse_number("18446744073709551617." + std::string(20000, '0')), kTwoPow64);
}

TEST(ParseNumber, RejectsWhatIsNoNumber) {
  for (const char* text : {"",
                           " ",
                           "-",
                           "+",
                           ".",
                           "-.",
                           "1.2.3",
                           "1,000",
                           "1e",
                           "1e+",
                           "e5",
                           "abc",
                           "12a",
                           "0x10",
                           "inf",
                           "nan",
                           "--1",
                           "1 2",
                           "\t1",
                           "1\n",
                           "\xEF\xBC\x91",
                           "1e5000",
                           "-1e99999999999"}) {
    Extended out = 99;
    EXPECT_THROW(parse_number(text), NumberFormatError) << '"' << text << '"';
    EXPECT_FALSE(try_parse_number(text, out)) << '"' << text << '"';
  }
}

TEST(ParseNumber, TryVariantStoresTheValue) {
  Extended out = 0;
  ASSERT_TRUE(try_parse_number("-2.25", out));
  EXPECT_EQ(out, -2.25L);
}

struct FormatCase {
  Extended value;
  const char* expected;
};

class FixText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(FixText, WritesThePlainNumberText) {
  EXPECT_EQ(fix_text(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, FixText,
    ::testing::Values(
        FormatCase{1.0L / 3, "0.333333333333333"}, FormatCase{8.0L / 49, "0.163265306122449"},
        FormatCase{49, "49"}, FormatCase{2.50L, "2.5"}, FormatCase{-2.5L, "-2.5"},
        FormatCase{0, "0"}, FormatCase{-0.0L, "0"},
        // The mil factor stays as written; 1 / 0.0000254 is cut at 18 significant digits.
        FormatCase{39370.07874015748L, "39370.07874015748"},
        FormatCase{1.0L / 0.0000254L, "39370.0787401574803"},
        FormatCase{1.0L / 1024, "0.0009765625"}, FormatCase{1.0L / 1048576, "0.000000953674316"},
        FormatCase{1.0L / 1073741824, "0.000000000931323"},
        // 2^-16 = 0.0000152587890625 exactly: the half at the 16th decimal rounds away.
        FormatCase{1.0L / 65536, "0.000015258789063"},
        FormatCase{-1.0L / 65536, "-0.000015258789063"}, FormatCase{1e-16L, "0"},
        FormatCase{-1e-16L, "0"}, FormatCase{123456789.123456789L, "123456789.123456789"},
        FormatCase{100000000000000000.75L, "100000000000000001"},
        FormatCase{999999999999999999.4L, "999999999999999999"}, FormatCase{1e18L, "1E18"},
        FormatCase{-1.5e20L, "-1.5E20"}, FormatCase{factorial(170), "7.257415615308E306"}));

class FixText15 : public ::testing::TestWithParam<FormatCase> {};
TEST_P(FixText15, WritesAtMostFifteenSignificantDigits) {
  EXPECT_EQ(fix_text_15(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, FixText15,
    ::testing::Values(
        // The digits beyond the 15th of a result of rounded factors go.
        FormatCase{98066.5L * 760 / 101325, "735.559240069085"},
        FormatCase{1.0L / 0.0000254L, "39370.0787401575"},
        FormatCase{-266.0L / 18, "-14.7777777777778"},
        // The 15 decimals still bound small values.
        FormatCase{1.0L / 1073741824, "0.000000000931323"}, FormatCase{1e-16L, "0"},
        // Whole numbers from 1E15 on keep their places as zeros; from 1E18 the general form.
        FormatCase{123456789012345678.0L, "123456789012346000"},
        FormatCase{999999999999999999.4L, "1E18"}, FormatCase{-1.5e20L, "-1.5E20"}));

class PlainText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(PlainText, WritesDigitsThatReadBackAsTheSameValue) {
  const std::string text = plain_text(GetParam().value);
  EXPECT_EQ(text, GetParam().expected);
  if (std::fabs(GetParam().value) >= 1e18L) {
    EXPECT_EQ(parse_number(text), GetParam().value);
  }
}
INSTANTIATE_TEST_SUITE_P(
    Values, PlainText,
    ::testing::Values(FormatCase{1.0L / 3, "0.333333333333333"}, FormatCase{-2.5L, "-2.5"},
                      FormatCase{999999999999999999.4L, "999999999999999999"},
                      FormatCase{1e18L, "1000000000000000000"},
                      FormatCase{1e18L + 1, "1000000000000000001"},
                      FormatCase{1e18L + 0.5L, "1000000000000000000.5"},
                      FormatCase{-1.5e20L, "-150000000000000000000"},
                      // 2^70: 22 digits exactly, 20 are enough to come back to it.
                      FormatCase{1180591620717411303424.0L, "1180591620717411303400"}));

TEST(PlainText, LargestValuesKeepEveryIntegerDigit) {
  for (const Extended value : {factorial(170), std::numeric_limits<Extended>::max()}) {
    const std::string text = plain_text(value);
    EXPECT_EQ(text.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(parse_number(text), value);
  }
  EXPECT_EQ(plain_text(factorial(170)).size(), 307u);
  EXPECT_THROW(plain_text(kInfinity), NumberFormatError);
}

class GeneralText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(GeneralText, WritesTheShortestFifteenDigitText) {
  EXPECT_EQ(general_text(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, GeneralText,
    ::testing::Values(FormatCase{0, "0"}, FormatCase{-0.0L, "0"}, FormatCase{3, "3"},
                      FormatCase{-2.5L, "-2.5"}, FormatCase{1.0L / 3, "0.333333333333333"},
                      FormatCase{2.0L / 3, "0.666666666666667"}, FormatCase{0.1L + 0.2L, "0.3"},
                      FormatCase{1e15L, "1E15"}, FormatCase{999999999999999.0L, "999999999999999"},
                      FormatCase{999999999999999.9L, "1E15"}, FormatCase{1.5e-5L, "1.5E-5"},
                      FormatCase{-1.5e-5L, "-1.5E-5"}, FormatCase{0.0001L, "0.0001"},
                      FormatCase{0.00009999999999999999L, "0.0001"},
                      FormatCase{0.00012345L, "0.00012345"}, FormatCase{1.5e20L, "1.5E20"},
                      FormatCase{123456789012345678.0L, "1.23456789012346E17"},
                      FormatCase{factorial(170), "7.257415615308E306"},
                      FormatCase{std::numeric_limits<Extended>::max(), "1.18973149535723E4932"},
                      FormatCase{std::numeric_limits<Extended>::denorm_min(),
                                 "3.64519953188247E-4951"}));

class ThousandsText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(ThousandsText, GroupsTheIntegerDigits) {
  EXPECT_EQ(thousands_text(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, ThousandsText,
    ::testing::Values(FormatCase{1234567.5L, "1,234,567.5"}, FormatCase{0, "0"},
                      FormatCase{0.5L, "0.5"}, FormatCase{999, "999"}, FormatCase{1000, "1,000"},
                      FormatCase{-1234, "-1,234"}, FormatCase{1.0L / 3, "0.333333333333333"},
                      FormatCase{123456789012345678.0L, "123,456,789,012,345,678"},
                      FormatCase{1e18L, "1E18"}));

class TooltipText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(TooltipText, KeepsUpToTwentyTwoDecimals) {
  EXPECT_EQ(tooltip_text(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Values, TooltipText,
                         ::testing::Values(FormatCase{1234567.891L, "1,234,567.891"},
                                           FormatCase{1.0L / 3, "0.333333333333333333"},
                                           FormatCase{1.0L / 1073741824,
                                                      "0.0000000009313225746155"},
                                           FormatCase{-1234567.5L, "-1,234,567.5"}));

class MoneyText : public ::testing::TestWithParam<FormatCase> {};
TEST_P(MoneyText, WritesExactlyTwoDecimals) {
  EXPECT_EQ(money_text(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Values, MoneyText,
    ::testing::Values(FormatCase{1435.75L, "1435.75"}, FormatCase{0, "0.00"},
                      FormatCase{10, "10.00"}, FormatCase{1.7L, "1.70"}, FormatCase{-2.5L, "-2.50"},
                      FormatCase{20.456L, "20.46"}, FormatCase{0.125L, "0.13"},
                      FormatCase{-0.125L, "-0.13"}, FormatCase{-0.001L, "0.00"},
                      FormatCase{100000000, "100000000.00"},
                      // Never an exponent: every digit, to the fen.
                      FormatCase{1e20L, "100000000000000000000.00"},
                      FormatCase{1.23456789012345e30L, "1234567890123450000000000000000.00"}));

TEST(NumberText, NonFiniteValuesHaveNoText) {
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  for (const Extended value : {kInfinity, -kInfinity, nan}) {
    EXPECT_THROW(fix_text(value), NumberFormatError);
    EXPECT_THROW(general_text(value), NumberFormatError);
    EXPECT_THROW(thousands_text(value), NumberFormatError);
    EXPECT_THROW(tooltip_text(value), NumberFormatError);
    EXPECT_THROW(money_text(value), NumberFormatError);
    EXPECT_THROW(round15(value), NumberFormatError);
  }
}

TEST(Round15, ReadsBackTheFifteenDigitText) {
  EXPECT_EQ(round15(1.0L / 3), parse_number("0.333333333333333"));
  EXPECT_EQ(round15(2.0L / 3), parse_number("0.666666666666667"));
  EXPECT_EQ(round15(0.1L + 0.2L), 0.3L);
  EXPECT_EQ(round15(1e15L + 3), 1e15L);
  EXPECT_EQ(round15(-1.5e-5L), -1.5e-5L);
  EXPECT_EQ(round15(0), 0.0L);
}

}  // namespace
}  // namespace orvanta
