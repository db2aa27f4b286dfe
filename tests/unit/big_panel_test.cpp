// The big-number panel's buttons and its precision field, without the window.
#include "formula/big_panel.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

#include "sim/recording_message_boxes.h"

namespace orvanta {
namespace {

TEST(BigPanel, PrecisionFieldRewritesItselfToItsIntegerValue) {
  const std::pair<const char*, const char*> cases[] = {
      {"10", "10"}, {"3", "3"},  {"007", "7"},          {"", "10"}, {"2.5", "10"}, {"abc", "10"},
      {"-", "10"},  {"-4", "0"}, {"99999999999", "10"}, {"0", "0"}};
  for (const auto& [typed, field] : cases) {
    EXPECT_EQ(division_precision_field(typed), field) << typed;
  }
}

struct ButtonCase {
  BigOperation op;
  const char* first;
  const char* second;
  const char* result;
  const char* precision = "10";
};

void expect_results(std::initializer_list<ButtonCase> cases) {
  for (const ButtonCase& c : cases) {
    EXPECT_EQ(big_panel_result(c.op, c.first, c.second, c.precision), c.result)
        << c.first << " " << static_cast<int>(c.op) << " " << c.second;
  }
}

TEST(BigPanel, EachButtonPutsItsResult) {
  expect_results({
      {BigOperation::Add, "99999999999999999999", "1", "100000000000000000000"},
      {BigOperation::Subtract, "3", "5", "-2"},
      {BigOperation::Multiply, "123456789", "987654321", "121932631112635269"},
      {BigOperation::Divide, "1", "3", "0.3333333333"},
      {BigOperation::Divide, "1", "300", "0.00333", "3"},
      // The field as it rewrites itself: no integer divides to 10 digits.
      {BigOperation::Divide, "1", "3", "0.3333333333", "x"},
      {BigOperation::Divide, "5", "0", "0"},
      // Empty fields count as zero for every button.
      {BigOperation::Add, "", "", "0"},
      {BigOperation::Subtract, "", "", "0"},
      {BigOperation::Multiply, "", "", "0"},
      {BigOperation::Divide, "", "", "0"},
  });
}

TEST(BigPanel, SignedOperandsKeepTheirSigns) {
  expect_results({
      {BigOperation::Add, "-5", "3", "-2"},
      {BigOperation::Add, "-5", "-3", "-8"},
      {BigOperation::Add, "5", "-8", "-3"},
      {BigOperation::Add, "+5", "-5", "0"},
      {BigOperation::Subtract, "-5", "-3", "-2"},
      {BigOperation::Subtract, "5", "-3", "8"},
      {BigOperation::Subtract, "-5", "3", "-8"},
      {BigOperation::Multiply, "-5", "3", "-15"},
      {BigOperation::Multiply, "-5", "-3", "15"},
      {BigOperation::Multiply, "-5", "0", "0"},
      {BigOperation::Divide, "-1", "3", "-0.3333333333"},
      {BigOperation::Divide, "10", "-4", "-2.5"},
      {BigOperation::Divide, "-10", "-4", "2.5"},
      {BigOperation::Divide, "-5", "0", "0"},
      {BigOperation::Add, "-.5", "0.25", "-0.25"},
      // Commas grouping the integer digits in threes, blanks around.
      {BigOperation::Add, "1,000", "1", "1001"},
      {BigOperation::Add, " -1,234,567.5 ", "0.5", "-1234567"},
      {BigOperation::Multiply, "999", "1,000,000", "999000000"},
  });
}

TEST(BigPanel, AFieldThatIsNoNumberIsRefusedWithItsMessage) {
  for (const char* field : {"1,00", "1,0000", ",100", "1234,567", "1,234.5,6", "5-3", "--5", "-",
                            ".", "1.2.3", "1E5", "abc", "1 000", "１２", "0x10"}) {
    EXPECT_EQ(read_big_operand(field), std::nullopt) << field;
    EXPECT_EQ(big_panel_result(BigOperation::Add, field, "1", "10"), "") << field;
    sim::RecordingMessageBoxes boxes;
    EXPECT_FALSE(big_operands_accepted("1", field, boxes)) << field;
    ASSERT_EQ(boxes.shown.size(), 1u) << field;
    EXPECT_EQ(boxes.shown[0].caption, kBigPanelCaption);
    EXPECT_TRUE(boxes.shown[0].text.starts_with("值二不是一个数")) << boxes.shown[0].text;
  }
  sim::RecordingMessageBoxes boxes;
  EXPECT_FALSE(big_operands_accepted("-", "x", boxes));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(boxes.shown[0].text.starts_with("值一"));
  EXPECT_TRUE(big_operands_accepted("-1,234.5", "", boxes));
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(BigPanel, ReadsTheSignAndTheDigitsOfAField) {
  const struct {
    const char* field;
    bool negative;
    const char* magnitude;
  } cases[] = {{"", false, "0"},         {"  ", false, "0"},
               {"-5", true, "5"},        {"+5", false, "5"},
               {"5.", false, "5."},      {"-.5", true, ".5"},
               {"1,234", false, "1234"}, {"12,345,678.125", false, "12345678.125"},
               {"\t7\r\n", false, "7"}};
  for (const auto& c : cases) {
    const std::optional<BigOperand> operand = read_big_operand(c.field);
    ASSERT_TRUE(operand.has_value()) << c.field;
    EXPECT_EQ(operand->negative, c.negative) << c.field;
    EXPECT_EQ(operand->magnitude(), c.magnitude) << c.field;
  }
}

}  // namespace
}  // namespace orvanta
