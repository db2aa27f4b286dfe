#include "engine/trig_functions.h"

#include <cmath>

#include "engine/binary_ops.h"
#include "numeric/calc_error.h"

namespace orvanta {

namespace {

Extended sinh_of(Extended x) {
  return (std::exp(x) - std::exp(-x)) / 2;
}
Extended cosh_of(Extended x) {
  return (std::exp(x) + std::exp(-x)) / 2;
}
Extended tanh_of(Extended x) {
  return x == 0 ? 0 : checked(sinh_of(x)) / checked(cosh_of(x));
}

Extended quotient(Extended a, Extended b) {
  if (b == 0) throw CalcError("division by zero");
  return a / b;
}

Extended reciprocal(Extended x) {
  return quotient(1, x);
}

Extended arcsin_of(Extended x) {
  if (x > 1 || x < -1) throw CalcError("arcsine outside -1 ... 1");
  return std::asin(x);
}

Extended arccos_of(Extended x) {
  if (x > 1 || x < -1) throw CalcError("arccosine outside -1 ... 1");
  return std::acos(x);
}

Extended ln_of(Extended x) {
  if (x <= 0) throw CalcError("logarithm of a non-positive number");
  return std::log(x);
}

Extended sqrt_of(Extended x) {
  if (x < 0) throw CalcError("square root of a negative number");
  return std::sqrt(x);
}

Extended forward(TrigKey key, Extended x) {
  switch (key) {
    case TrigKey::Sin:
      return std::sin(x);
    case TrigKey::Cos:
      return std::cos(x);
    case TrigKey::Tan:
      return std::tan(x);
    case TrigKey::Cot:
      return reciprocal(std::tan(x));
    case TrigKey::Sec:
      return reciprocal(std::cos(x));
    case TrigKey::Csc:
      return reciprocal(std::sin(x));
    case TrigKey::Sinh:
      return sinh_of(x);
    case TrigKey::Cosh:
      return cosh_of(x);
    case TrigKey::Tanh:
      return tanh_of(x);
    case TrigKey::Coth:
      return reciprocal(tanh_of(x));
    case TrigKey::Sech:
      return reciprocal(checked(cosh_of(x)));
    case TrigKey::Csch:
      return reciprocal(checked(sinh_of(x)));
  }
  return 0;
}

Extended inverse_of(TrigKey key, Extended x) {
  switch (key) {
    case TrigKey::Sin:
      return arcsin_of(x);
    case TrigKey::Cos:
      return arccos_of(x);
    case TrigKey::Tan:
      return std::atan(x);
    case TrigKey::Cot:
      return std::atan(reciprocal(x));
    case TrigKey::Sec:
      return arccos_of(reciprocal(x));
    case TrigKey::Csc:
      return arcsin_of(reciprocal(x));
    case TrigKey::Sinh:
      return ln_of(x + std::sqrt(x * x + 1));
    case TrigKey::Cosh:
      return ln_of(x + (x + 1) * sqrt_of(quotient(x - 1, x + 1)));
    case TrigKey::Tanh:
      return ln_of(quotient(1 + x, 1 - x)) / 2;
    case TrigKey::Coth:
      return ln_of(quotient(x + 1, x - 1)) / 2;
    case TrigKey::Sech:
      return ln_of(quotient(1 + sqrt_of(1 - x * x), x));
    case TrigKey::Csch:
      return ln_of(reciprocal(x) + std::sqrt(reciprocal(x * x) + 1));
  }
  return 0;
}

// The guards that ignore the key: a zero argument where the function has a pole at 0, and
// the inverse hyperbolic tangent outside (-1, 1).
bool ignored_by_guard(TrigKey key, bool inverse, Extended x) {
  switch (key) {
    case TrigKey::Cot:
    case TrigKey::Csc:
    case TrigKey::Coth:
    case TrigKey::Csch:
      return x == 0;
    case TrigKey::Sec:
    case TrigKey::Sech:
      return inverse && x == 0;
    case TrigKey::Tanh:
      return inverse && (x <= -1 || x >= 1);
    default:
      return false;
  }
}

}  // namespace

std::optional<Extended> trig_key_result(TrigKey key, bool inverse, Extended x, bool degrees) {
  if (ignored_by_guard(key, inverse, x)) return std::nullopt;
  if (inverse) {
    const Extended result = checked(inverse_of(key, x));
    return degrees ? checked(result * 180 / kPi) : result;
  }
  if (degrees) x = x * kPi / 180;
  return checked(forward(key, x));
}

}  // namespace orvanta
