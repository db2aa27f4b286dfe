// Multiplication: schoolbook for short operands, the number-theoretic transform otherwise.
#include <algorithm>

#include "formula/big_natural.h"
#include "formula/limb_algorithms.h"

namespace orvanta::bignum {

namespace {

// acc += value * kBase^offset; acc must be long enough for the carry.
void add_at(Limbs& acc, LimbSpan value, std::size_t offset) {
  Limb carry = 0;
  std::size_t i = 0;
  for (; i < value.size() || carry != 0; ++i) {
    Limb s = acc[offset + i] + carry + (i < value.size() ? value[i] : 0);
    carry = s >= kBase ? 1 : 0;
    acc[offset + i] = s - carry * kBase;
  }
}

}  // namespace

Limbs multiply_schoolbook(LimbSpan a, LimbSpan b) {
  if (a.empty() || b.empty()) return {};
  if (a.size() < b.size()) std::swap(a, b);
  std::vector<std::uint64_t> acc(a.size() + b.size(), 0);
  // 17 rows of products (each below 10^18) fit a 64-bit column before the carries must move on.
  constexpr std::size_t kRowsPerCarry = 17;
  std::size_t unsettled = 0;
  for (std::size_t row = 0; row < b.size(); ++row) {
    const std::uint64_t factor = b[row];
    std::uint64_t* out = acc.data() + row;
    for (std::size_t j = 0; j < a.size(); ++j) out[j] += a[j] * factor;
    if ((row + 1 - unsettled) == kRowsPerCarry || row + 1 == b.size()) {
      std::uint64_t carry = 0;
      for (std::size_t k = unsettled; k < acc.size(); ++k) {
        const std::uint64_t v = acc[k] + carry;
        acc[k] = v % kBase;
        carry = v / kBase;
        if (carry == 0 && k > row + a.size()) break;
      }
      unsettled = row + 1;
    }
  }
  Limbs product(acc.begin(), acc.end());
  trim(product);
  return product;
}

Limbs multiply_in_pieces(LimbSpan a, LimbSpan b, std::size_t max_product_limbs) {
  a = trimmed(a);
  b = trimmed(b);
  if (a.size() < b.size()) std::swap(a, b);
  if (a.size() + b.size() <= max_product_limbs || a.size() < 2) return multiply(a, b);
  const std::size_t half = a.size() / 2;
  Limbs product = multiply_in_pieces(a.first(half), b, max_product_limbs);
  const Limbs high = multiply_in_pieces(a.subspan(half), b, max_product_limbs);
  product.resize(a.size() + b.size() + 1, 0);
  add_at(product, high, half);
  trim(product);
  return product;
}

Limbs multiply(LimbSpan a, LimbSpan b) {
  if (a.empty() || b.empty()) return {};
  if (std::min(a.size(), b.size()) < kSchoolbookMultiplyLimit) return multiply_schoolbook(a, b);
  if (a.size() + b.size() <= kMaxConvolutionLimbs) return multiply_ntt(a, b);
  return multiply_in_pieces(a, b, kMaxConvolutionLimbs);
}

}  // namespace orvanta::bignum
