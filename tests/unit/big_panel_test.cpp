// The big-number panel's buttons and its precision field, without the window.
#include "formula/big_panel.h"

#include <gtest/gtest.h>

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

TEST(BigPanel, EachButtonPutsItsResult) {
  struct Case {
    BigOperation op;
    const char* first;
    const char* second;
    const char* precision;
    const char* result;
  };
  for (const Case& c :
       {Case{BigOperation::Add, "99999999999999999999", "1", "10", "100000000000000000000"},
        Case{BigOperation::Subtract, "3", "5", "10", "-2"},
        Case{BigOperation::Multiply, "123456789", "987654321", "10", "121932631112635269"},
        Case{BigOperation::Divide, "1", "3", "10", "0.3333333333"},
        Case{BigOperation::Divide, "1", "300", "3", "0.00333"},
        // The field as it rewrites itself: no integer divides to 10 digits.
        Case{BigOperation::Divide, "1", "3", "x", "0.3333333333"},
        Case{BigOperation::Divide, "5", "0", "10", "0"},
        // Empty fields count as zero for every button.
        Case{BigOperation::Add, "", "", "10", "0"}, Case{BigOperation::Subtract, "", "", "10", "0"},
        Case{BigOperation::Multiply, "", "", "10", "0"},
        Case{BigOperation::Divide, "", "", "10", "0"}}) {
    EXPECT_EQ(big_panel_result(c.op, c.first, c.second, c.precision), c.result)
        << c.first << " " << static_cast<int>(c.op) << " " << c.second;
  }
}

}  // namespace
}  // namespace orvanta
