#include "formula/big_natural.h"

#include <algorithm>
#include <cstring>

namespace orvanta::bignum {

namespace {

Limb read_chunk(const char* p, std::size_t count) {
  Limb value = 0;
  for (std::size_t i = 0; i < count; ++i) value = value * 10 + static_cast<Limb>(p[i] - '0');
  return value;
}

// Two decimal digits per table entry halves the divisions when writing limbs.
struct DigitPairs {
  char text[200];
  constexpr DigitPairs() : text() {
    for (int i = 0; i < 100; ++i) {
      text[2 * i] = static_cast<char>('0' + i / 10);
      text[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
  }
};
constexpr DigitPairs kDigitPairs;

void write_full_limb(Limb value, char* out) {
  // 9 digits: one single digit, then four pairs from the right.
  for (int i = 7; i >= 1; i -= 2) {
    std::memcpy(out + i, kDigitPairs.text + 2 * (value % 100), 2);
    value /= 100;
  }
  out[0] = static_cast<char>('0' + value);
}

}  // namespace

void trim(Limbs& value) {
  while (!value.empty() && value.back() == 0) value.pop_back();
}

LimbSpan trimmed(LimbSpan value) {
  while (!value.empty() && value.back() == 0) value = value.first(value.size() - 1);
  return value;
}

Limbs from_digits(std::string_view digits) {
  Limbs result((digits.size() + kBaseDigits - 1) / kBaseDigits);
  std::size_t end = digits.size();
  for (Limb& limb : result) {
    const std::size_t count = std::min<std::size_t>(end, kBaseDigits);
    limb = read_chunk(digits.data() + end - count, count);
    end -= count;
  }
  trim(result);
  return result;
}

std::string to_digits(LimbSpan value, std::size_t spare_zeros) {
  if (value.empty()) return std::string(spare_zeros, '0');
  const std::string top = std::to_string(value.back());
  std::string text(spare_zeros + top.size() + (value.size() - 1) * kBaseDigits, '0');
  std::memcpy(text.data() + spare_zeros, top.data(), top.size());
  char* out = text.data() + spare_zeros + top.size();
  for (std::size_t i = value.size() - 1; i-- > 0; out += kBaseDigits)
    write_full_limb(value[i], out);
  return text;
}

int compare(LimbSpan a, LimbSpan b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

Limbs add(LimbSpan a, LimbSpan b) {
  if (a.size() < b.size()) std::swap(a, b);
  Limbs sum(a.size() + 1);
  Limb carry = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    Limb s = a[i] + carry + (i < b.size() ? b[i] : 0);
    carry = s >= kBase ? 1 : 0;
    sum[i] = s - carry * kBase;
  }
  sum[a.size()] = carry;
  trim(sum);
  return sum;
}

Limbs subtract(LimbSpan a, LimbSpan b) {
  Limbs difference(a.size());
  Limb borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const Limb take = (i < b.size() ? b[i] : 0) + borrow;
    borrow = a[i] < take ? 1 : 0;
    difference[i] = a[i] + borrow * kBase - take;
  }
  trim(difference);
  return difference;
}

}  // namespace orvanta::bignum
