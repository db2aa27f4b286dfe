#include "formula/big_number.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

#include "formula/big_natural.h"

namespace orvanta::My_Calcs {

namespace {

// A big number read from text: value = digits * 10^-frac.
struct Decimal {
  std::string digits;  // '0'..'9' only, zeros at either end possible
  std::int64_t frac = 0;
};

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
// UTF-8 continuation bytes belong to the character before them.
bool is_continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first point is the point when `point_allowed`; every other non-digit character is a 0.
Decimal read_decimal(std::string_view text, bool point_allowed = true) {
  Decimal number;
  number.digits.reserve(text.size());
  bool has_point = false;
  std::size_t point = 0;
  for (const char c : text) {
    if (is_digit(c)) {
      number.digits.push_back(c);
    } else if (c == '.' && point_allowed && !has_point) {
      has_point = true;
      point = number.digits.size();
    } else if (!is_continuation(c)) {
      number.digits.push_back('0');
    }
  }
  if (has_point) number.frac = static_cast<std::int64_t>(number.digits.size() - point);
  return number;
}

// Canonical text of digits * 10^-frac (frac may be negative or exceed the digit count), with a
// '-' in front when `negative` and not zero, made in the digits' own buffer: a million-digit
// result is not copied once more, nor for its sign when a leading zero makes room for it
// (to_digits leaves one spare for a negative result).
std::string canonical(std::string digits, std::int64_t frac, bool negative = false) {
  std::size_t begin = 0;
  while (begin < digits.size() && digits[begin] == '0') ++begin;
  std::size_t end = digits.size();
  while (frac > 0 && end > begin && digits[end - 1] == '0') {
    --end;
    --frac;
  }
  if (begin == end) return "0";
  digits.resize(end);
  const std::size_t sign = negative ? 1 : 0;
  if (negative && begin > 0) {
    // A leading zero makes room for the sign.
    digits.erase(0, begin - 1);
    digits[0] = '-';
  } else {
    digits.erase(0, begin);
    if (negative) digits.insert(0, 1, '-');
  }
  const auto count = static_cast<std::int64_t>(digits.size() - sign);
  if (frac <= 0) {
    digits.append(static_cast<std::size_t>(-frac), '0');
  } else if (frac >= count) {
    digits.insert(sign, static_cast<std::size_t>(frac - count), '0');
    digits.insert(sign, "0.");
  } else {
    digits.insert(sign + static_cast<std::size_t>(count - frac), 1, '.');
  }
  return digits;
}

// Both numbers as limbs scaled to the same number of fraction digits, returned in `frac`.
struct Aligned {
  bignum::Limbs a;
  bignum::Limbs b;
  std::int64_t frac = 0;
};

Aligned align(std::string_view a, std::string_view b) {
  Decimal x = read_decimal(a);
  Decimal y = read_decimal(b);
  Aligned aligned;
  aligned.frac = std::max(x.frac, y.frac);
  x.digits.append(static_cast<std::size_t>(aligned.frac - x.frac), '0');
  y.digits.append(static_cast<std::size_t>(aligned.frac - y.frac), '0');
  aligned.a = bignum::from_digits(x.digits);
  aligned.b = bignum::from_digits(y.digits);
  return aligned;
}

// Leading and trailing zeros removed; frac follows the removed trailing zeros.
Decimal significant_part(Decimal number) {
  std::string& digits = number.digits;
  std::size_t end = digits.size();
  while (end > 0 && digits[end - 1] == '0') --end;
  number.frac -= static_cast<std::int64_t>(digits.size() - end);
  digits.resize(end);
  const std::size_t begin = digits.find_first_not_of('0');
  digits.erase(0, begin == std::string::npos ? digits.size() : begin);
  return number;
}

}  // namespace

std::string StrLeftOf(std::string_view s, std::string_view t) {
  const std::size_t at = t.empty() ? std::string_view::npos : s.find(t);
  return at == std::string_view::npos ? std::string() : std::string(s.substr(0, at));
}

std::string StrRightOf(std::string_view s, std::string_view t) {
  const std::size_t at = t.empty() ? std::string_view::npos : s.find(t);
  return at == std::string_view::npos ? std::string() : std::string(s.substr(at + t.size()));
}

std::string BigNormalize(std::string_view a) {
  Decimal number = read_decimal(a);
  return canonical(std::move(number.digits), number.frac);
}

std::string BigAdd(std::string_view a, std::string_view b, bool negative) {
  const Aligned x = align(a, b);
  return canonical(bignum::to_digits(bignum::add(x.a, x.b), negative ? 1 : 0), x.frac, negative);
}

std::string BigSub(std::string_view a, std::string_view b) {
  const Aligned x = align(a, b);
  if (bignum::compare(x.b, x.a) <= 0) {
    return canonical(bignum::to_digits(bignum::subtract(x.a, x.b)), x.frac);
  }
  return canonical(bignum::to_digits(bignum::subtract(x.b, x.a), 1), x.frac, true);
}

std::string BigMul(std::string_view a, std::string_view b, bool negative) {
  const Decimal x = read_decimal(a);
  const Decimal y = read_decimal(b);
  const bignum::Limbs product =
      bignum::multiply(bignum::from_digits(x.digits), bignum::from_digits(y.digits));
  return canonical(bignum::to_digits(product, negative ? 1 : 0), x.frac + y.frac, negative);
}

std::string BigMulDigit(std::string_view a, int d) {
  const std::string digits = read_decimal(a, false).digits;
  const std::uint64_t factor = d > 0 ? static_cast<std::uint64_t>(d) : 0;
  std::string product(digits.size(), '0');
  std::uint64_t carry = 0;
  for (std::size_t i = digits.size(); i-- > 0;) {
    carry += static_cast<std::uint64_t>(digits[i] - '0') * factor;
    product[i] = static_cast<char>('0' + carry % 10);
    carry /= 10;
  }
  return carry == 0 ? product : std::to_string(carry) + product;
}

std::int64_t BigFracDigits(std::string_view a) {
  const Decimal number = read_decimal(a);
  if (a.find('.') != std::string_view::npos) return number.frac;
  const std::size_t last = number.digits.find_last_not_of('0');
  const std::size_t zeros =
      last == std::string::npos ? number.digits.size() : number.digits.size() - last - 1;
  return -static_cast<std::int64_t>(zeros);
}

std::string BigDigits(std::string_view a) {
  return significant_part(read_decimal(a)).digits;
}

std::string BigDiv(std::string_view a, std::string_view b, std::int64_t p, bool negative) {
  if (p <= 0) return "0";
  const Decimal x = significant_part(read_decimal(a));
  const Decimal y = significant_part(read_decimal(b));
  const std::string& A = x.digits;
  const std::string& B = y.digits;
  if (A.empty() || B.empty()) return "0";
  // Long division would start from |B| digits of A, one more when A's leading digits are smaller,
  // and bring down one digit per further quotient digit: the quotient is floor(A * 10^s / B).
  const std::size_t shared = std::min(A.size(), B.size());
  const std::size_t first_remainder = B.size() + (A.compare(0, shared, B, 0, shared) < 0 ? 1 : 0);
  const std::int64_t base =
      static_cast<std::int64_t>(first_remainder) - 1 - static_cast<std::int64_t>(A.size());
  p = std::min(p, std::numeric_limits<std::int64_t>::max() / 2);
  const std::int64_t s = base + p;
  std::string numerator;
  if (s >= 0) {
    // A precision no memory can hold fails like any other oversized text.
    if (static_cast<std::uint64_t>(s) > numerator.max_size() - A.size()) {
      throw std::length_error("BigDiv: precision too large");
    }
    numerator.reserve(A.size() + static_cast<std::size_t>(s));
    numerator = A;
    numerator.append(static_cast<std::size_t>(s), '0');
  } else {
    numerator = A.substr(0, static_cast<std::size_t>(static_cast<std::int64_t>(A.size()) + s));
  }
  const bignum::Limbs quotient =
      bignum::divide(bignum::from_digits(numerator), bignum::from_digits(B));
  return canonical(bignum::to_digits(quotient, negative ? 1 : 0), x.frac - y.frac + s, negative);
}

}  // namespace orvanta::My_Calcs
