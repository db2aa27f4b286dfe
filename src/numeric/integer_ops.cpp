#include "numeric/integer_ops.h"

#include <cmath>

#include "numeric/calc_error.h"

namespace orvanta {

namespace {

constexpr Extended kTwoTo63 = 9223372036854775808.0L;
constexpr Extended kTwoTo64 = 18446744073709551616.0L;

}  // namespace

std::int64_t truncate_to_int64(Extended value) {
  if (!std::isfinite(value)) throw CalcError("not a finite number");
  Extended whole = std::trunc(value);
  if (whole >= -kTwoTo63 && whole < kTwoTo63) return static_cast<std::int64_t>(whole);
  // Out of range: keep the low 64 bits of the integer.
  whole = std::fmod(whole, kTwoTo64);
  if (whole < 0) whole += kTwoTo64;
  const auto bits = whole >= kTwoTo63 ? static_cast<std::uint64_t>(whole - kTwoTo63) + (1ULL << 63)
                                      : static_cast<std::uint64_t>(whole);
  return static_cast<std::int64_t>(bits);
}

std::int64_t round_to_int64(Extended value) {
  if (!std::isfinite(value)) throw CalcError("not a finite number");
  Extended rounded = std::nearbyint(value);  // default rounding mode: halves to even
  if (rounded < -kTwoTo63 || rounded >= kTwoTo63) throw CalcError("integer overflow");
  return static_cast<std::int64_t>(rounded);
}

}  // namespace orvanta
