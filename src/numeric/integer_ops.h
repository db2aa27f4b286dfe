#pragma once
// Conversions between Extended values and the machine integers the bit keys work on.
#include <cstdint>

#include "numeric/extended.h"

namespace orvanta {

// Truncates toward zero to 64 bits; values beyond the range are cut to their low 64 bits.
// Infinite or undefined values raise CalcError.
std::int64_t truncate_to_int64(Extended value);

// Rounds to the nearest integer, halves to the even neighbour. Raises CalcError when the result
// does not fit a signed 64-bit integer.
std::int64_t round_to_int64(Extended value);

// The low 32 bits read as a signed 32-bit integer.
inline std::int32_t low32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace orvanta
