#pragma once
// The individual algorithms behind multiply() and divide(), each usable at any size so the tests
// can check them against each other on both sides of the size thresholds.
#include <cstddef>

#include "formula/big_natural.h"

namespace orvanta::bignum {

// Below this many limbs in the shorter operand the quadratic product is faster.
inline constexpr std::size_t kSchoolbookMultiplyLimit = 128;
// Quotient and divisor both at least this long: Newton reciprocal instead of long division.
inline constexpr std::size_t kNewtonDivideLimit = 128;
// Longest product the number-theoretic transform can form in one piece.
inline constexpr std::size_t kMaxConvolutionLimbs = std::size_t{1} << 24;

Limbs multiply_schoolbook(LimbSpan a, LimbSpan b);
// Three-prime number-theoretic transform; a.size() + b.size() <= kMaxConvolutionLimbs.
// `allow_vector` false keeps to the portable loops even where AVX2 is available.
Limbs multiply_ntt(LimbSpan a, LimbSpan b, bool allow_vector = true);
// Forgets the transform tables and work arrays kept between products, as at the start of the
// process (for measuring a first call).
void drop_transform_tables();
// Splits the longer operand until every piece fits `max_product_limbs`.
Limbs multiply_in_pieces(LimbSpan a, LimbSpan b, std::size_t max_product_limbs);

// Knuth's long division; b != 0.
Limbs divide_schoolbook(LimbSpan a, LimbSpan b);
// Quotient from a Newton reciprocal of b, then corrected to the exact floor; b != 0.
Limbs divide_newton(LimbSpan a, LimbSpan b);

}  // namespace orvanta::bignum
