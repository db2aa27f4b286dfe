#include "engine/binary_ops.h"

#include <cmath>
#include <cstdint>

#include "engine/calc_state.h"
#include "formula/formula_math.h"
#include "numeric/calc_error.h"
#include "numeric/integer_ops.h"

namespace orvanta {

namespace {

Extended divide(Extended a, Extended b) {
  if (b == 0) throw CalcError("division by zero");
  return a / b;
}

Extended remainder_of(Extended a, Extended b, bool a_text_negative) {
  if (b == 0) throw CalcError("division by zero");
  // Same as adding |B| to itself until the sum reaches |A|, without the loop.
  const Extended r = std::fmod(std::fabs(a), std::fabs(b));
  return a_text_negative ? -r : r;
}

Extended shifted(Extended value, Extended count, bool left) {
  const auto bits = static_cast<std::uint64_t>(truncate_to_int64(value));
  // Only the low eight bits of the count take part; 64 and more shift everything out.
  const auto n = static_cast<unsigned>(truncate_to_int64(count) & 0xFF);
  if (n >= 64) return 0;
  if (left) return static_cast<Extended>(static_cast<std::int64_t>(bits << n));
  return static_cast<Extended>(bits >> n);
}

Extended bitwise(PendingOp op, Extended a, Extended b) {
  const std::int64_t x = truncate_to_int64(a);
  const std::int64_t y = truncate_to_int64(b);
  switch (op) {
    case PendingOp::Or:
      return static_cast<Extended>(x | y);
    case PendingOp::And:
      return static_cast<Extended>(x & y);
    default:
      return static_cast<Extended>(x ^ y);
  }
}

}  // namespace

Extended checked(Extended value) {
  if (!std::isfinite(value)) throw CalcError("arithmetic overflow or invalid operation");
  return value == 0 ? 0 : value;
}

Extended power_rule(Extended base, Extended exponent) {
  try {
    return power(base, exponent);
  } catch (const PassFailed&) {
    throw CalcError("power undefined or out of range");
  }
}

Extended binary_result(PendingOp op, Extended a, Extended b, bool a_text_negative) {
  switch (op) {
    case PendingOp::None:
      return b;
    case PendingOp::Add:
      return checked(a + b);
    case PendingOp::Subtract:
      return checked(a - b);
    case PendingOp::Multiply:
      return checked(a * b);
    case PendingOp::Divide:
      return checked(divide(a, b));
    case PendingOp::Power:
      return power_rule(a, b);
    case PendingOp::Root: {
      const Extended root = power_rule(std::fabs(a), divide(1, b));
      return a < 0 ? -root : root;
    }
    case PendingOp::Remainder:
      return checked(remainder_of(a, b, a_text_negative));
    case PendingOp::Or:
    case PendingOp::And:
    case PendingOp::Xor:
      return bitwise(op, a, b);
    case PendingOp::ShiftLeft:
    case PendingOp::ShiftRight:
      return shifted(a, b, op == PendingOp::ShiftLeft);
    default:
      throw CalcError("unknown operation");
  }
}

}  // namespace orvanta
