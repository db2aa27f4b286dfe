#pragma once
// The calculator's "extended" number: x87 80-bit, 64-bit significand, on both builds.
#include <limits>

namespace orvanta {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must be the x87 80-bit format with a 64-bit significand");

}  // namespace orvanta
