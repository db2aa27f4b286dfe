#include "display/number_wording.h"

#include <gtest/gtest.h>

#include <string>

#include "display/output_form.h"

namespace orvanta {
namespace {

struct WordingCase {
  std::string number;
  std::string money_capitals;
  std::string capitals;
  std::string money_figures;
};

class NumberWording : public testing::TestWithParam<WordingCase> {};

TEST_P(NumberWording, WritesAllThreeForms) {
  const WordingCase& c = GetParam();
  EXPECT_EQ(RmbUpper(c.number), c.money_capitals);
  EXPECT_EQ(CnUpper(c.number), c.capitals);
  EXPECT_EQ(money_figures(c.number), c.money_figures);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, NumberWording,
    testing::Values(
        WordingCase{"1435.75", "人民币壹仟肆佰叁拾伍圆柒角伍分", "壹仟肆佰叁拾伍点柒伍",
                    "￥1435.75"},
        WordingCase{"0", "人民币零圆整", "零", "￥0.00"},
        WordingCase{"10", "人民币壹拾圆整", "壹拾", "￥10.00"},
        WordingCase{"105", "人民币壹佰零伍圆整", "壹佰零伍", "￥105.00"},
        WordingCase{"10001", "人民币壹万零壹圆整", "壹万零壹", "￥10001.00"},
        WordingCase{"100000000", "人民币壹亿圆整", "壹亿", "￥100000000.00"},
        WordingCase{"1.7", "人民币壹圆柒角", "壹点柒", "￥1.70"},
        WordingCase{"0.75", "人民币柒角伍分", "点柒伍", "￥0.75"},
        WordingCase{"-2.5", "人民币贰圆伍角", "贰点伍", "￥-2.50"},
        // No 零 between 亿 and 伍仟: a zero group-ending digit adds none.
        WordingCase{"100005000", "人民币壹亿伍仟圆整", "壹亿伍仟", "￥100005000.00"},
        WordingCase{"1.05", "人民币壹圆零伍分", "壹点零伍", "￥1.05"},
        WordingCase{"0.05", "人民币伍分", "点零伍", "￥0.05"},
        WordingCase{"20.456", "人民币贰拾圆肆角陆分", "贰拾点肆陆", "￥20.46"},
        WordingCase{"12345678901234",
                    "人民币壹拾贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆圆整",
                    "壹拾贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆", "￥12345678901234.00"},
        // From 1E18 up the value's own digits, grouped by the same rules.
        WordingCase{"1E18", "人民币壹佰亿亿圆整", "壹佰亿亿", "￥1000000000000000000.00"},
        WordingCase{"1.5E20", "人民币壹万伍仟亿亿圆整", "壹万伍仟亿亿",
                    "￥150000000000000000000.00"},
        WordingCase{
            "-1234567890123456789",
            "人民币壹佰贰拾叁亿肆仟伍佰陆拾柒万捌仟玖佰零壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖圆整",
            "壹佰贰拾叁亿肆仟伍佰陆拾柒万捌仟玖佰零壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖",
            "￥-1234567890123456789.00"},
        WordingCase{"no number", "人民币零圆整", "零", "￥0.00"}));

TEST(OutputForm, PicksTheWordingOfTheChosenForm) {
  EXPECT_EQ(output_text(OutputForm::Figures, "1435.75", "1,435.75"), "1,435.75");
  EXPECT_EQ(output_text(OutputForm::ChineseCapitals, "1435.75", "1,435.75"),
            "壹仟肆佰叁拾伍点柒伍");
  EXPECT_EQ(output_text(OutputForm::MoneyCapitals, "1.7", "1.7"), "人民币壹圆柒角");
  EXPECT_EQ(output_text(OutputForm::MoneyFigures, "1.7", "1.7"), "￥1.70");
}

}  // namespace
}  // namespace orvanta
