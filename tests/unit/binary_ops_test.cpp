#include "engine/binary_ops.h"

#include <gtest/gtest.h>

#include "engine/calc_state.h"
#include "numeric/calc_error.h"
#include "numeric/number_text.h"

namespace orvanta {
namespace {

struct OpCase {
  int op;
  Extended a;
  Extended b;
  bool a_negative_text;
  const char* expected;  // fix_text of the result, or nullptr for an error
};

class BinaryOpsTest : public ::testing::TestWithParam<OpCase> {};

TEST_P(BinaryOpsTest, CompletesTheOperation) {
  const OpCase& c = GetParam();
  if (c.expected == nullptr) {
    EXPECT_THROW(binary_result(c.op, c.a, c.b, c.a_negative_text), CalcError);
  } else {
    EXPECT_EQ(fix_text(round15(binary_result(c.op, c.a, c.b, c.a_negative_text))), c.expected);
  }
}

constexpr Extended kHuge = 1e4000L;

INSTANTIATE_TEST_SUITE_P(
    Codes, BinaryOpsTest,
    ::testing::Values(
        // No operation pending: the number just typed.
        OpCase{kOpNone, 4, 7, false, "7"}, OpCase{kOpAdd, 1, 2, false, "3"},
        OpCase{kOpSubtract, 3, 5, false, "-2"}, OpCase{kOpMultiply, 3, 3, false, "9"},
        OpCase{kOpDivide, 1, 3, false, "0.333333333333333"},
        OpCase{kOpDivide, 8, 0, false, nullptr}, OpCase{kOpMultiply, kHuge, kHuge, false, nullptr},
        OpCase{kOpPower, 2, 10, false, "1024"}, OpCase{kOpPower, 2, -2, false, "0.25"},
        OpCase{kOpPower, -2, 3, false, "-8"}, OpCase{kOpPower, 0, 0, false, "1"},
        OpCase{kOpPower, -8, 0.5L, false, nullptr}, OpCase{kOpPower, 0, -1, false, nullptr},
        OpCase{kOpRoot, -8, 3, true, "-2"}, OpCase{kOpRoot, 81, 4, false, "3"},
        OpCase{kOpRoot, 8, 0, false, nullptr}, OpCase{kOpRemainder, 7.5L, 2, false, "1.5"},
        OpCase{kOpRemainder, -7, 2, true, "-1"}, OpCase{kOpRemainder, 7, -2, false, "1"},
        OpCase{kOpRemainder, 1, 3, false, "1"}, OpCase{kOpRemainder, 6, 3, false, "0"},
        OpCase{kOpRemainder, 7, 0, false, nullptr}, OpCase{kOpAnd, 6, 3, false, "2"},
        OpCase{kOpOr, 6, 3, false, "7"}, OpCase{kOpXor, 6, 3, false, "5"},
        OpCase{kOpAnd, 6.9L, 3.9L, false, "2"}, OpCase{kOpOr, -1, 0, false, "-1"},
        OpCase{kOpShiftLeft, 1, 3, false, "8"}, OpCase{kOpShiftRight, 16, 2, false, "4"},
        OpCase{kOpShiftLeft, 1, 63, false, "-9.22337203685478E18"},
        // Only the low eight bits of the count take part; 64 to 255 shift everything out.
        OpCase{kOpShiftLeft, 1, 64, false, "0"}, OpCase{kOpShiftLeft, 1, 255, false, "0"},
        OpCase{kOpShiftLeft, 1, 257, false, "2"}, OpCase{kOpShiftLeft, 1, -255, false, "2"},
        // Zeros enter at the top: a negative number becomes a large positive one.
        OpCase{kOpShiftRight, -2, 1, false, "9.22337203685478E18"}));

}  // namespace
}  // namespace orvanta
