#pragma once
// My_Calcs: arithmetic on decimal texts of any length, for the big-number panel.
//
// A big number is a text of decimal digits with at most one point. Every other character,
// including a sign, a group separator or a second point, counts as the digit 0 in its place (a
// character of several UTF-8 bytes counts once). Results are canonical: no leading zeros except
// the "0" before a point, no trailing fraction zeros, no trailing point, "0" for zero. No
// operation throws for odd input; only running out of memory can stop one (std::bad_alloc, or
// std::length_error for a division precision beyond any memory).
//
// Internally the numbers are base-10^9 limb arrays with a transform-based product and a Newton
// division, so a million digits take well under a second.
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta::My_Calcs {

// The part of s before the first t; empty if t does not occur (or is empty).
std::string StrLeftOf(std::string_view s, std::string_view t);
// The part of s after the first t; empty if t does not occur (or is empty).
std::string StrRightOf(std::string_view s, std::string_view t);

// Canonical form of a big number.
std::string BigNormalize(std::string_view a);
// `negative` (for the panel's signed operands) puts a '-' in front of a result that is not 0,
// without another copy of its digits.
std::string BigAdd(std::string_view a, std::string_view b, bool negative = false);
// a - b, with a leading '-' when b is larger.
std::string BigSub(std::string_view a, std::string_view b);
std::string BigMul(std::string_view a, std::string_view b, bool negative = false);
// a times one digit d, not canonical: as many digits as a (leading zeros kept) plus the carry.
// Every character of a other than a digit, the point included, counts as 0; a negative d as 0.
std::string BigMulDigit(std::string_view a, int d);

// Digits after the point of a canonical number; for one without a point, minus the number of
// its trailing zeros ("1200" gives -2, "0" gives -1).
std::int64_t BigFracDigits(std::string_view a);
// The digits without the point, leading and trailing zeros removed; empty for zero.
std::string BigDigits(std::string_view a);

// a / b truncated (never rounded) to p quotient digits of long division on the significant
// digits A of a and B of b. The first partial remainder takes |B| digits of A (zeros once A runs
// out), or |B| + 1 when A's leading digits are smaller than B's; every later step brings down one
// more digit, and each step's quotient digit counts, a leading 0 included. So p counts digits
// from the first partial remainder, not places after the point: for p = 10, 1/3 gives
// 0.3333333333, 100/3 gives 33.33333333 and 12/123 gives 0.0975609756. An exact quotient ends
// early (10/4 gives 2.5). Division by zero and p <= 0 give "0".
std::string BigDiv(std::string_view a, std::string_view b, std::int64_t p, bool negative = false);

}  // namespace orvanta::My_Calcs
