#include "engine/binary_ops.h"

#include <gtest/gtest.h>

#include "engine/calc_state.h"
#include "numeric/calc_error.h"
#include "numeric/number_text.h"

namespace orvanta {
namespace {

struct OpCase {
  PendingOp op;
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
        OpCase{PendingOp::None, 4, 7, false, "7"}, OpCase{PendingOp::Add, 1, 2, false, "3"},
        OpCase{PendingOp::Subtract, 3, 5, false, "-2"},
        OpCase{PendingOp::Multiply, 3, 3, false, "9"},
        OpCase{PendingOp::Divide, 1, 3, false, "0.333333333333333"},
        OpCase{PendingOp::Divide, 8, 0, false, nullptr},
        OpCase{PendingOp::Multiply, kHuge, kHuge, false, nullptr},
        OpCase{PendingOp::Power, 2, 10, false, "1024"},
        OpCase{PendingOp::Power, 2, -2, false, "0.25"},
        OpCase{PendingOp::Power, -2, 3, false, "-8"}, OpCase{PendingOp::Power, 0, 0, false, "1"},
        OpCase{PendingOp::Power, -8, 0.5L, false, nullptr},
        OpCase{PendingOp::Power, 0, -1, false, nullptr}, OpCase{PendingOp::Root, -8, 3, true, "-2"},
        OpCase{PendingOp::Root, 81, 4, false, "3"}, OpCase{PendingOp::Root, 8, 0, false, nullptr},
        OpCase{PendingOp::Remainder, 7.5L, 2, false, "1.5"},
        OpCase{PendingOp::Remainder, -7, 2, true, "-1"},
        OpCase{PendingOp::Remainder, 7, -2, false, "1"},
        OpCase{PendingOp::Remainder, 1, 3, false, "1"},
        OpCase{PendingOp::Remainder, 6, 3, false, "0"},
        OpCase{PendingOp::Remainder, 7, 0, false, nullptr},
        OpCase{PendingOp::And, 6, 3, false, "2"}, OpCase{PendingOp::Or, 6, 3, false, "7"},
        OpCase{PendingOp::Xor, 6, 3, false, "5"}, OpCase{PendingOp::And, 6.9L, 3.9L, false, "2"},
        OpCase{PendingOp::Or, -1, 0, false, "-1"}, OpCase{PendingOp::ShiftLeft, 1, 3, false, "8"},
        OpCase{PendingOp::ShiftRight, 16, 2, false, "4"},
        OpCase{PendingOp::ShiftLeft, 1, 63, false, "-9.22337203685478E18"},
        // Only the low eight bits of the count take part; 64 to 255 shift everything out.
        OpCase{PendingOp::ShiftLeft, 1, 64, false, "0"},
        OpCase{PendingOp::ShiftLeft, 1, 255, false, "0"},
        OpCase{PendingOp::ShiftLeft, 1, 257, false, "2"},
        OpCase{PendingOp::ShiftLeft, 1, -255, false, "2"},
        // Zeros enter at the top: a negative number becomes a large positive one.
        OpCase{PendingOp::ShiftRight, -2, 1, false, "9.22337203685478E18"}));

}  // namespace
}  // namespace orvanta
