#include "formula/formula_math.h"

#include <cmath>
#include <limits>

namespace orvanta {
namespace {

constexpr Extended kPi = 3.141592653589793238462643383279502884L;
// Below this magnitude the inverse cotangent, secant and cosecant treat x as 0.
constexpr Extended kNearZero = 1E-16L;

Extended finite(Extended value) {
  if (!std::isfinite(value)) throw PassFailed{};
  return value;
}

Extended reciprocal(Extended value) {
  if (value == 0) throw PassFailed{};
  return finite(1 / value);
}

Extended root_of_one_minus_square(Extended x) {
  const Extended d = 1 - x * x;
  if (!(d >= 0)) throw PassFailed{};
  return std::sqrt(d);
}

}  // namespace

Extended apply_function(FormulaFunction function, Extended x, bool degrees) {
  const auto angle_out = [degrees](Extended radians) {
    return finite(degrees ? radians * 180 / kPi : radians);
  };
  const Extended angle_in = degrees ? x * kPi / 180 : x;
  const Extended infinity = std::numeric_limits<Extended>::infinity();
  switch (function) {
    case FormulaFunction::Sina:
      return angle_out(std::atan2(x, root_of_one_minus_square(x)));
    case FormulaFunction::Cosa:
      return angle_out(std::atan2(root_of_one_minus_square(x), x));
    case FormulaFunction::Tana:
      return angle_out(std::atan(x));
    case FormulaFunction::Cota:
      return angle_out(std::fabs(x) <= kNearZero ? kPi / 2 : std::atan(1 / x));
    case FormulaFunction::Seca:
      if (std::fabs(x) <= kNearZero) return infinity;
      return angle_out(std::acos(finite(1 / x)));
    case FormulaFunction::Csca:
      if (std::fabs(x) <= kNearZero) return infinity;
      return angle_out(std::asin(finite(1 / x)));
    case FormulaFunction::Sin:
      return finite(std::sin(angle_in));
    case FormulaFunction::Cos:
      return finite(std::cos(angle_in));
    case FormulaFunction::Tan:
      return finite(std::tan(angle_in));
    case FormulaFunction::Cot:
      return reciprocal(std::tan(angle_in));
    case FormulaFunction::Sec:
      return reciprocal(std::cos(angle_in));
    case FormulaFunction::Csc:
      return reciprocal(std::sin(angle_in));
    case FormulaFunction::Abs:
      return std::fabs(x);
    case FormulaFunction::Ln:
      if (x == 0) throw PassFailed{};
      return finite(std::log(std::fabs(x)));
    case FormulaFunction::Lg:
      if (x == 0) throw PassFailed{};
      return finite(std::log10(std::fabs(x)));
  }
  throw PassFailed{};
}

Extended power(Extended base, Extended exponent) {
  if (exponent == 0) return 1;
  if (base == 0 && exponent > 0) return 0;
  if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647) {
    auto n = static_cast<unsigned long>(std::fabs(exponent));
    Extended result = 1;
    Extended factor = base;
    while (true) {
      if (n & 1) result = finite(result * factor);
      n >>= 1;
      if (n == 0) break;
      factor = finite(factor * factor);
    }
    return exponent < 0 ? reciprocal(result) : result;
  }
  if (base <= 0) throw PassFailed{};  // the logarithm of a negative base or of 0
  return finite(std::exp(exponent * std::log(base)));
}

}  // namespace orvanta
