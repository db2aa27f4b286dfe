#pragma once
// The arithmetic that completes a pending operation.
#include <string_view>

#include "engine/calc_state.h"
#include "numeric/extended.h"

namespace orvanta {

// b raised to e by the evaluator's power rule; raises CalcError for an undefined or infinite
// result (a negative base with a fractional exponent, an overflow).
Extended power_rule(Extended base, Extended exponent);

// A op B. `a_text_negative`: the first operand's text starts with "-" (the remainder takes that
// sign). PendingOp::None gives B (the number just typed). Raises CalcError on
// division by zero, overflow and every other fault.
Extended binary_result(PendingOp op, Extended a, Extended b, bool a_text_negative);

// Raises CalcError unless `value` is finite; returns it otherwise (negative zero made 0).
Extended checked(Extended value);

}  // namespace orvanta
