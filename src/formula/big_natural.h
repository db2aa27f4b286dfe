#pragma once
// Natural numbers of any size as little-endian base-10^9 limbs: the engine under the big-number
// text operations. Decimal limbs make reading and writing digit texts linear, which matters more
// for a text-in, text-out calculator than the last few percent of multiplication speed.
// A value never has a zero top limb; zero is the empty vector.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::bignum {

using Limb = std::uint32_t;
using Limbs = std::vector<Limb>;
using LimbSpan = std::span<const Limb>;

inline constexpr Limb kBase = 1'000'000'000;
inline constexpr int kBaseDigits = 9;

// `digits` holds only '0'..'9' (leading zeros allowed).
Limbs from_digits(std::string_view digits);
// Decimal digits without leading zeros; the empty text for zero. `spare_zeros` zeros go in
// front, room for a sign without another copy of the digits.
std::string to_digits(LimbSpan value, std::size_t spare_zeros = 0);

int compare(LimbSpan a, LimbSpan b);
Limbs add(LimbSpan a, LimbSpan b);
// a - b; requires a >= b.
Limbs subtract(LimbSpan a, LimbSpan b);
Limbs multiply(LimbSpan a, LimbSpan b);
// floor(a / b); requires b != 0.
Limbs divide(LimbSpan a, LimbSpan b);

// Drop zero top limbs.
void trim(Limbs& value);
LimbSpan trimmed(LimbSpan value);

}  // namespace orvanta::bignum
