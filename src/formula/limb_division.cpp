// Division: by one limb, Knuth's long division while quotient or divisor is short, and for long
// ones a Newton reciprocal built on the fast product followed by an exact correction.
#include <algorithm>
#include <cstdint>

#include "formula/big_natural.h"
#include "formula/limb_algorithms.h"

namespace orvanta::bignum {

namespace {

using U64 = std::uint64_t;
using I64 = std::int64_t;

// Reciprocals of at most this many limbs come straight from long division.
constexpr std::size_t kReciprocalBaseLimbs = 32;

Limbs multiply_small(LimbSpan a, Limb factor) {
  Limbs product(a.size() + 1);
  U64 carry = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const U64 v = U64{a[i]} * factor + carry;
    product[i] = static_cast<Limb>(v % kBase);
    carry = v / kBase;
  }
  product[a.size()] = static_cast<Limb>(carry);
  trim(product);
  return product;
}

Limbs divide_small(LimbSpan a, Limb divisor) {
  Limbs quotient(a.size());
  U64 rest = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const U64 current = rest * kBase + a[i];
    quotient[i] = static_cast<Limb>(current / divisor);
    rest = current % divisor;
  }
  trim(quotient);
  return quotient;
}

// value * kBase^count
Limbs shifted_up(LimbSpan value, std::size_t count) {
  Limbs result(count, 0);
  result.insert(result.end(), value.begin(), value.end());
  return result;
}

// floor(value / kBase^(size - count)): the top `count` limbs.
LimbSpan top_limbs(LimbSpan value, std::size_t count) {
  return value.last(count);
}

// kBase^exponent
Limbs power_of_base(std::size_t exponent) {
  Limbs power(exponent + 1, 0);
  power.back() = 1;
  return power;
}

const Limbs kOne{1};

// About floor(kBase^(2h) / d) for an h-limb d, off by at most a few units.
Limbs reciprocal(LimbSpan d) {
  const std::size_t h = d.size();
  if (h <= kReciprocalBaseLimbs) return divide_schoolbook(power_of_base(2 * h), d);
  // Half precision plus two guard limbs: squaring its relative error of kBase^-(l-1) lands
  // below one unit of the full-precision result.
  const std::size_t l = (h + 1) / 2 + 2;
  const Limbs low = reciprocal(top_limbs(d, l));
  // Newton step x1 = x0 + x0 (kBase^2h - d x0) / kBase^2h with x0 = low * kBase^(h-l),
  // written in terms of `low` so no operand carries the shift.
  const Limbs product = multiply(d, low);
  const Limbs power = power_of_base(h + l);
  const bool short_of_one = compare(product, power) <= 0;
  const Limbs error = short_of_one ? subtract(power, product) : subtract(product, power);
  // Limbs of the error below kBase^(l-2) move the correction by less than one unit.
  const std::size_t cut = std::min(error.size(), l - 2);
  const Limbs scaled = multiply(low, LimbSpan(error).subspan(cut));
  const std::size_t drop = l + 2;
  const LimbSpan correction = scaled.size() > drop ? LimbSpan(scaled).subspan(drop) : LimbSpan();
  const Limbs start = shifted_up(low, h - l);
  if (short_of_one) return add(start, correction);
  return subtract(subtract(start, correction), kOne);
}

}  // namespace

Limbs divide_schoolbook(LimbSpan a, LimbSpan b) {
  a = trimmed(a);
  b = trimmed(b);
  if (compare(a, b) < 0) return {};
  if (b.size() == 1) return divide_small(a, b[0]);
  // Scale so the divisor's top limb is at least kBase / 2; then each estimated quotient limb is
  // at most two too large (Knuth, TAOCP 4.3.1, algorithm D).
  const Limb scale = kBase / (b.back() + 1);
  Limbs u = multiply_small(a, scale);
  u.resize(a.size() + 1, 0);
  const Limbs v = multiply_small(b, scale);
  const std::size_t m = v.size();
  const std::size_t n = a.size();
  Limbs quotient(n - m + 1, 0);
  const U64 v_top = v[m - 1];
  const U64 v_next = v[m - 2];
  for (std::size_t j = n - m + 1; j-- > 0;) {
    const U64 numerator = U64{u[j + m]} * kBase + u[j + m - 1];
    U64 q = numerator / v_top;
    U64 r = numerator % v_top;
    while (q >= kBase || q * v_next > r * kBase + u[j + m - 2]) {
      --q;
      r += v_top;
      if (r >= kBase) break;
    }
    I64 borrow = 0;
    U64 carry = 0;
    for (std::size_t i = 0; i < m; ++i) {
      const U64 p = q * v[i] + carry;
      carry = p / kBase;
      I64 t = static_cast<I64>(u[i + j]) - static_cast<I64>(p % kBase) - borrow;
      borrow = t < 0 ? 1 : 0;
      u[i + j] = static_cast<Limb>(t + borrow * kBase);
    }
    I64 top = static_cast<I64>(u[j + m]) - static_cast<I64>(carry) - borrow;
    if (top < 0) {
      // The estimate was one too large: add the divisor back once.
      --q;
      Limb add_carry = 0;
      for (std::size_t i = 0; i < m; ++i) {
        const Limb s = u[i + j] + v[i] + add_carry;
        add_carry = s >= kBase ? 1 : 0;
        u[i + j] = s - add_carry * kBase;
      }
      top += add_carry;
    }
    u[j + m] = static_cast<Limb>(top);
    quotient[j] = static_cast<Limb>(q);
  }
  trim(quotient);
  return quotient;
}

Limbs divide_newton(LimbSpan a, LimbSpan b) {
  a = trimmed(a);
  b = trimmed(b);
  if (compare(a, b) < 0) return {};
  const std::size_t m = b.size();
  // The quotient has at most k limbs; two guard limbs keep the estimate within one or two.
  const std::size_t k = a.size() - m + 1;
  const std::size_t h = k + 2;
  // a / b = a' / d with both scaled by kBase^(h-m) (truncated when h < m).
  const Limbs d = h >= m ? shifted_up(b, h - m) : Limbs(b.end() - h, b.end());
  const Limbs a_scaled = h >= m ? shifted_up(a, h - m) : Limbs(a.begin() + (m - h), a.end());
  const Limbs x = reciprocal(d);
  const Limbs estimate = multiply(a_scaled, x);
  Limbs quotient(estimate.size() > 2 * h ? estimate.begin() + 2 * h : estimate.end(),
                 estimate.end());
  // Exact correction: the remainder must end in [0, b).
  Limbs product = multiply(quotient, b);
  while (compare(product, a) > 0) {
    quotient = subtract(quotient, kOne);
    product = subtract(product, b);
  }
  Limbs rest = subtract(a, product);
  while (compare(rest, b) >= 0) {
    quotient = add(quotient, kOne);
    rest = subtract(rest, b);
  }
  return quotient;
}

Limbs divide(LimbSpan a, LimbSpan b) {
  a = trimmed(a);
  b = trimmed(b);
  if (compare(a, b) < 0) return {};
  const std::size_t quotient_limbs = a.size() - b.size() + 1;
  if (std::min(quotient_limbs, b.size()) < kNewtonDivideLimit) return divide_schoolbook(a, b);
  return divide_newton(a, b);
}

}  // namespace orvanta::bignum
