#include "engine/trig_functions.h"

#include <gtest/gtest.h>

#include "numeric/calc_error.h"
#include "numeric/number_text.h"

namespace orvanta {
namespace {

constexpr const char* kIgnored = "ignored";
constexpr const char* kError = "error";

struct TrigCase {
  TrigKey key;
  bool inverse;
  Extended x;
  bool degrees;
  const char* expected;  // fix_text of the result, kIgnored or kError
};

class TrigKeyTest : public ::testing::TestWithParam<TrigCase> {};

TEST_P(TrigKeyTest, GivesTheKeysValue) {
  const TrigCase& c = GetParam();
  if (c.expected == kError) {
    EXPECT_THROW(trig_key_result(c.key, c.inverse, c.x, c.degrees), CalcError);
    return;
  }
  const auto result = trig_key_result(c.key, c.inverse, c.x, c.degrees);
  if (c.expected == kIgnored) {
    EXPECT_FALSE(result.has_value());
  } else {
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(fix_text(*result), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TrigKeyTest,
    ::testing::Values(
        TrigCase{TrigKey::Sin, false, 30, true, "0.5"},
        TrigCase{TrigKey::Sin, true, 0.5L, true, "30"},
        TrigCase{TrigKey::Sin, false, 1, false, "0.841470984807897"},
        TrigCase{TrigKey::Sin, true, 2, true, kError},
        TrigCase{TrigKey::Cos, false, 60, true, "0.5"},
        TrigCase{TrigKey::Cos, true, -1.5L, false, kError},
        TrigCase{TrigKey::Tan, false, 45, true, "1"}, TrigCase{TrigKey::Tan, true, 1, true, "45"},
        TrigCase{TrigKey::Cot, false, 0, true, kIgnored},
        TrigCase{TrigKey::Cot, true, 0, true, kIgnored},
        TrigCase{TrigKey::Cot, false, 45, true, "1"}, TrigCase{TrigKey::Cot, true, 1, true, "45"},
        TrigCase{TrigKey::Sec, false, 0, true, "1"},
        TrigCase{TrigKey::Sec, true, 0, true, kIgnored},
        TrigCase{TrigKey::Sec, true, 2, true, "60"},
        TrigCase{TrigKey::Sec, true, 0.5L, true, kError},
        TrigCase{TrigKey::Csc, false, 0, true, kIgnored},
        TrigCase{TrigKey::Csc, false, 30, true, "2"}, TrigCase{TrigKey::Csc, true, 2, true, "30"},
        TrigCase{TrigKey::Sinh, false, 1, false, "1.175201193643801"},
        TrigCase{TrigKey::Sinh, true, 1.175201193643801L, false, "1"},
        TrigCase{TrigKey::Sinh, false, 20000, false, kError},
        TrigCase{TrigKey::Cosh, false, 0, true, "1"}, TrigCase{TrigKey::Cosh, true, 1, false, "0"},
        TrigCase{TrigKey::Cosh, true, 0.5L, false, kError},
        TrigCase{TrigKey::Tanh, false, 0, true, "0"},
        TrigCase{TrigKey::Tanh, true, 0.5L, false, "0.549306144334055"},
        TrigCase{TrigKey::Tanh, true, 1, false, kIgnored},
        TrigCase{TrigKey::Tanh, true, -1, false, kIgnored},
        TrigCase{TrigKey::Coth, false, 0, false, kIgnored},
        TrigCase{TrigKey::Coth, true, 0.5L, false, kError},
        TrigCase{TrigKey::Coth, true, 2, false, "0.549306144334055"},
        TrigCase{TrigKey::Sech, false, 0, false, "1"},
        TrigCase{TrigKey::Sech, true, 0, false, kIgnored},
        TrigCase{TrigKey::Sech, true, 1, false, "0"},
        TrigCase{TrigKey::Sech, true, 2, false, kError},
        TrigCase{TrigKey::Csch, false, 0, false, kIgnored},
        TrigCase{TrigKey::Csch, true, 0, false, kIgnored},
        TrigCase{TrigKey::Csch, true, 1, false, "0.881373587019543"}));

}  // namespace
}  // namespace orvanta
