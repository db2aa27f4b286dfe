// The grab of a selection in the window below: the filter, the evaluation, and the formula
// bar and LCD afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/calculator.h"
#include "formula/evaluator.h"
#include "sim/calculator_sim.h"
#include "tools/exchange/grab_filter.h"
#include "tools/exchange/grab_into_calculator.h"
#include "unit/recording_formula_host.h"

namespace orvanta {
namespace {

struct FilterCase {
  std::string name;
  std::string text;
  char capture;
  std::string formula;
};

class GrabFilter : public testing::TestWithParam<FilterCase> {};

TEST_P(GrabFilter, KeepsTheFormula) {
  const FilterCase& c = GetParam();
  EXPECT_EQ(grab_filter(c.text, c.capture), c.formula);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GrabFilter,
    testing::Values(
        // Digits grouped in threes by commas are one number; other commas separate.
        FilterCase{"Total", "合计：1,234.50元", '+', "1234.50"},
        FilterCase{"Grouped", "1,234,567", '+', "1234567"},
        FilterCase{"GroupedNegative", "-1,234 元", '+', "-1234"},
        FilterCase{"GroupedColumn", "1,234\n5,678", '+', "1234+5678"},
        FilterCase{"NotInThrees", "1,23,456", '+', "1+23+456"},
        FilterCase{"LongLastGroup", "1,2345", '*', "1*2345"},
        FilterCase{"CommaAfterFraction", "1,234.5,678", '+', "1234.5+678"},
        FilterCase{"ListOfNumbers", "1,2,3", '+', "1+2+3"},
        // An exponent belongs to its number, which the evaluator reads in plain digits.
        FilterCase{"Exponent", "1.5E+05", '+', "150000"},
        FilterCase{"SmallExponent", "1.5e-05*2", '+', "0.000015*2"},
        FilterCase{"ExponentOfAPoint", ".5E3", '+', "500"},
        FilterCase{"GroupedWithExponent", "1,500E3", '+', "1500000"},
        FilterCase{"LetterEWithoutDigits", "5E 3e+", '+', "5+3"},
        // Beyond every value of the calculator: nothing to compute.
        FilterCase{"ExponentBeyondRange", "1E99999", '+', ""},
        // The power is an operator like * and /.
        FilterCase{"Power", "2^10", '+', "2^10"}, FilterCase{"SpacedPower", "3 ^ 4", '+', "3^4"},
        // The blank becomes a separator, the minus a sign.
        FilterCase{"SpacedMinus", "5 - 3", '+', "5+-3"},
        FilterCase{"Formula", "(1+2)*3", '+', "(1+2)*3"},
        FilterCase{"ColumnSum", "12\n7.5\n3", '+', "12+7.5+3"},
        FilterCase{"ColumnDifference", "12\n7.5\n3", '-', "12-7.5-3"},
        FilterCase{"ColumnProduct", "12\r\n7.5\r\n3\r\n", '*', "12*7.5*3"},
        FilterCase{"ColumnQuotient", "12\t7.5\t3", '/', "12/7.5/3"},
        // A newer + * / replaces an older sign or separator.
        FilterCase{"NewerSignWins", "3+*4", '+', "3*4"},
        FilterCase{"SignReplacesSeparator", "3 * 4", '+', "3*4"},
        // A minus is kept while fewer than three signs stand since the last number; after
        // that it is one more other character.
        FilterCase{"ThreeMinus", "3----4", '+', "3---4"},
        FilterCase{"SignsCountTogether", "3+---4", '+', "3+--4"},
        FilterCase{"LeadingMinusStays", "-5 元", '+', "-5"},
        FilterCase{"LeadingPlusGoes", "+5", '+', "5"},
        FilterCase{"TrailingPointGoes", "共5.", '+', "5"},
        // ".5" must not read as 5.
        FilterCase{"LeadingPointBeforeADigit", ".5元", '+', ".5"},
        // Each non-ASCII character is one other character, whatever its UTF-8 length.
        FilterCase{"ChineseBetweenNumbers", "3元5角", '*', "3*5"},
        FilterCase{"PriceAndCount", "价格 ¥12.5，数量 3", '*', "12.5*3"},
        FilterCase{"NoNumber", "没有数字 here", '+', ""}, FilterCase{"OnlySigns", "+-*/", '+', ""},
        FilterCase{"Empty", "", '+', ""}),
    [](const auto& info) { return info.param.name; });

TEST(GrabFilter, ReadsAtMostTheLimitInCharactersNotBytes) {
  std::string text;
  for (std::size_t i = 0; i + 1 < kGrabTextLimit; ++i) text += "元";
  EXPECT_EQ(grab_filter(text + "7", '+'), "7");
  EXPECT_EQ(grab_filter(text + "元7", '+'), "");
}

TEST(GrabEvaluate, RunsThePassesToANumber) {
  struct Case {
    std::string formula;
    std::string result;
  };
  const Case cases[] = {
      {"1234.5+1", "1235.5"},
      {"2^10", "1024"},
      {"5+-3", "2"},
      {"(1+2)*3", "9"},
      {"12+7.5+3", "22.5"},
      {"12*7.5*3", "270"},
      {"12-7.5-3", "1.5"},
      {"-5", "-5"},
      // A group alone is reduced too, not read as no number.
      {"(5)", "5"},
      {"3---4", std::string(kInvalidExpression)},
      // No operation: the text as it is (it reads as no number).
      {"1.2.3", "1.2.3"},
  };
  for (const Case& c : cases) {
    RecordingFormulaHost host;
    EXPECT_EQ(grab_evaluate(c.formula, host), c.result) << c.formula;
    EXPECT_TRUE(host.boxes.shown.empty()) << c.formula;
  }
}

class GrabIntoCalculator : public testing::Test {
 protected:
  GrabIntoCalculator() {
    calc_ = std::make_unique<Calculator>(ports_.ports());
    sim::start_calculator(*calc_);
  }

  std::optional<std::string> grab(std::optional<std::string_view> text, char capture = '+') {
    return grab_into_calculator(*calc_, text, capture);
  }
  const std::string& lcd() const { return ports_.lcd.frame.text; }
  const std::string& bar() const { return ports_.formula_bar.bar; }

  sim::RecordingPorts ports_;
  std::unique_ptr<Calculator> calc_;
};

TEST_F(GrabIntoCalculator, ShowsTheFormulaAndItsValue) {
  struct Case {
    std::string text;
    char capture;
    std::string formula;
    std::string entry;
  };
  const Case cases[] = {
      {"合计：1,234.50元", '+', "1234.50", "1234.5"},
      {"1,234,567", '+', "1234567", "1234567"},
      {"1.5E+05", '+', "150000", "150000"},
      {"2^10", '+', "2^10", "1024"},
      {"5 - 3", '+', "5+-3", "2"},
      {"(1+2)*3", '+', "(1+2)*3", "9"},
      {"12\n7.5\n3", '+', "12+7.5+3", "22.5"},
      {"12\n7.5\n3", '*', "12*7.5*3", "270"},
      // Rounded to 15 significant digits on the way in.
      {"2/3", '+', "2/3", "0.666666666666667"},
      // A formula the evaluator refuses shows 0; the bar keeps the formula.
      {"3----4", '+', "3---4", "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(grab(c.text, c.capture), c.formula) << c.text;
    EXPECT_EQ(bar(), c.formula) << c.text;
    EXPECT_EQ(calc_->calc_state().entry_text, c.entry) << c.text;
    EXPECT_EQ(lcd(), c.entry.substr(0, LcdFrame::kCells)) << c.text;
    EXPECT_FALSE(calc_->calc_state().keep_formula_once);
  }
  // The next operator goes on from the grabbed number.
  grab("合计：1,234.50元");
  calc_->kadd(MouseButton::Left);
  calc_->k2(MouseButton::Left);
  calc_->kdy(MouseButton::Left);
  EXPECT_EQ(lcd(), "1236.5");
}

TEST_F(GrabIntoCalculator, NoNumberLeavesTheCalculatorAlone) {
  calc_->k4(MouseButton::Left);
  calc_->k2(MouseButton::Left);
  const CalcState before = calc_->calc_state();
  for (const std::optional<std::string_view> text :
       {std::optional<std::string_view>("没有数字"), std::optional<std::string_view>("+-*/"),
        std::optional<std::string_view>()}) {
    EXPECT_EQ(grab(text), std::nullopt);
    EXPECT_EQ(bar(), kGrabFailedText);
    EXPECT_EQ(lcd(), "42");
    EXPECT_EQ(calc_->calc_state().entry_text, before.entry_text);
    EXPECT_EQ(calc_->calc_state().cur_value, before.cur_value);
  }
}

TEST_F(GrabIntoCalculator, DivisionByZeroKeepsItsMessage) {
  EXPECT_EQ(grab("5/0"), "5/0");
  EXPECT_EQ(bar(), kDivideByZeroText);
  EXPECT_EQ(lcd(), "0");
}

TEST_F(GrabIntoCalculator, OtherBasesShowTheValueInTheirDigits) {
  calc_->Khex_on(MouseButton::Left);
  EXPECT_EQ(grab("255"), "255");
  EXPECT_EQ(lcd(), "FF");
  EXPECT_EQ(calc_->calc_state().entry_text, "FF");
  // And the entry reads back in that base.
  calc_->kadd(MouseButton::Left);
  calc_->k1(MouseButton::Left);
  calc_->kdy(MouseButton::Left);
  EXPECT_EQ(lcd(), "100");
}

}  // namespace
}  // namespace orvanta
