#pragma once
// Minimal unsigned big integer for exact decimal <-> binary conversion of Extended values.
// Only what the number texts need: scaling by powers of 2 and 10, comparison, a division
// whose quotient is known to fit in 64 bits, and the decimal digits.
#include <cstdint>
#include <string>
#include <vector>

namespace orvanta {

class BigUint {
 public:
  BigUint() = default;
  explicit BigUint(std::uint64_t value);

  bool is_zero() const { return limbs_.empty(); }
  // Number of significant bits (0 for zero).
  std::int64_t bit_length() const;

  // *this = *this * factor + addend.
  void multiply_add(std::uint32_t factor, std::uint32_t addend);
  void multiply_pow10(std::int64_t exponent);
  void shift_left(std::int64_t bits);

  // Returns floor(*this / divisor) and leaves the remainder in *this.
  // The quotient must be below 2^64.
  std::uint64_t divide_small_quotient(const BigUint& divisor);

  // The decimal digits, most significant first ("0" for zero).
  std::string decimal_digits() const;

  friend int compare(const BigUint& a, const BigUint& b);

 private:
  void subtract(const BigUint& other);  // requires *this >= other
  void shift_right_one();
  void trim();

  std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limbs
};

}  // namespace orvanta
