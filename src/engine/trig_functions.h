#pragma once
// The six trigonometric and six hyperbolic keys with their inverses (right button).
#include <optional>

#include "numeric/extended.h"

namespace orvanta {

inline constexpr Extended kPi = 3.14159265358979323851L;

enum class TrigKey { Sin, Cos, Tan, Cot, Sec, Csc, Sinh, Cosh, Tanh, Coth, Sech, Csch };

// The key's value at x; `inverse` is the right button. In degrees the argument of a forward
// function is converted from degrees and an inverse result to degrees (hyperbolic keys too).
// Returns nullopt when the key's guard ignores x (cot, csc, coth, csch at 0, ...); raises
// CalcError for an argument outside the domain or a result beyond the range.
std::optional<Extended> trig_key_result(TrigKey key, bool inverse, Extended x, bool degrees);

}  // namespace orvanta
