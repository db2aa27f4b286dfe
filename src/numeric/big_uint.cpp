#include "numeric/big_uint.h"

#include <algorithm>

namespace orvanta {

BigUint::BigUint(std::uint64_t value) {
  while (value != 0) {
    limbs_.push_back(static_cast<std::uint32_t>(value));
    value >>= 32;
  }
}

std::int64_t BigUint::bit_length() const {
  if (limbs_.empty()) return 0;
  std::uint32_t top = limbs_.back();
  std::int64_t bits = 0;
  while (top != 0) {
    ++bits;
    top >>= 1;
  }
  return static_cast<std::int64_t>(limbs_.size() - 1) * 32 + bits;
}

void BigUint::multiply_add(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  trim();
}

void BigUint::multiply_pow10(std::int64_t exponent) {
  constexpr std::uint32_t kPow10[] = {1,      10,      100,      1000,      10000,
                                      100000, 1000000, 10000000, 100000000, 1000000000};
  for (; exponent >= 9; exponent -= 9) multiply_add(kPow10[9], 0);
  if (exponent > 0) multiply_add(kPow10[exponent], 0);
}

void BigUint::shift_left(std::int64_t bits) {
  if (limbs_.empty() || bits <= 0) return;
  const auto whole = static_cast<std::size_t>(bits / 32);
  const int part = static_cast<int>(bits % 32);
  if (part != 0) {
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint32_t next = limb >> (32 - part);
      limb = (limb << part) | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), whole, 0u);
}

void BigUint::shift_right_one() {
  std::uint32_t carry = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) {
    const std::uint32_t next = limbs_[i] << 31;
    limbs_[i] = (limbs_[i] >> 1) | carry;
    carry = next;
  }
  trim();
}

void BigUint::subtract(const BigUint& other) {
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    std::int64_t diff = static_cast<std::int64_t>(limbs_[i]) - borrow -
                        (i < other.limbs_.size() ? other.limbs_[i] : 0);
    borrow = diff < 0 ? 1 : 0;
    if (diff < 0) diff += std::int64_t{1} << 32;
    limbs_[i] = static_cast<std::uint32_t>(diff);
  }
  trim();
}

void BigUint::trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

int compare(const BigUint& a, const BigUint& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

std::uint64_t BigUint::divide_small_quotient(const BigUint& divisor) {
  // Restoring division one quotient bit at a time: 64 steps whatever the operands' size.
  BigUint shifted = divisor;
  shifted.shift_left(64);
  std::uint64_t quotient = 0;
  for (int bit = 63; bit >= 0; --bit) {
    shifted.shift_right_one();
    if (compare(*this, shifted) >= 0) {
      subtract(shifted);
      quotient |= std::uint64_t{1} << bit;
    }
  }
  return quotient;
}

std::string BigUint::decimal_digits() const {
  constexpr std::uint32_t kChunk = 1000000000;  // nine digits at a time
  std::vector<std::uint32_t> rest = limbs_;
  std::string digits;
  while (!rest.empty()) {
    std::uint64_t remainder = 0;
    for (std::size_t i = rest.size(); i-- > 0;) {
      const std::uint64_t current = (remainder << 32) | rest[i];
      rest[i] = static_cast<std::uint32_t>(current / kChunk);
      remainder = current % kChunk;
    }
    while (!rest.empty() && rest.back() == 0) rest.pop_back();
    for (int k = 0; k < 9 && (remainder != 0 || !rest.empty()); ++k) {
      digits.push_back(static_cast<char>('0' + remainder % 10));
      remainder /= 10;
    }
  }
  if (digits.empty()) return "0";
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace orvanta
