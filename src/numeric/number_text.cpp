#include "numeric/number_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "numeric/big_uint.h"

namespace orvanta {
namespace {

// ---- the x87 80-bit layout: 64-bit significand with explicit integer bit, 15-bit exponent ----

constexpr int kExponentBias = 16383;
constexpr int kMaxExponentField = 0x7FFE;  // 0x7FFF holds the infinities and NaNs
// Weight of the significand's lowest bit for subnormal values (and the smallest normal ones).
constexpr std::int64_t kMinLsbExponent = 1 - kExponentBias - 63;

struct ExtendedParts {
  bool negative = false;
  int exponent_field = 0;
  std::uint64_t significand = 0;
};

// The bytes are read directly so both builds see the same bits whatever their libm does.
ExtendedParts split(Extended value) {
  unsigned char bytes[sizeof(Extended)];
  std::memcpy(bytes, &value, sizeof bytes);
  ExtendedParts parts;
  std::uint16_t sign_exponent = 0;
  std::memcpy(&parts.significand, bytes, 8);
  std::memcpy(&sign_exponent, bytes + 8, 2);
  parts.negative = (sign_exponent & 0x8000) != 0;
  parts.exponent_field = sign_exponent & 0x7FFF;
  return parts;
}

Extended join(const ExtendedParts& parts) {
  unsigned char bytes[sizeof(Extended)] = {};
  const auto sign_exponent =
      static_cast<std::uint16_t>((parts.negative ? 0x8000 : 0) | parts.exponent_field);
  std::memcpy(bytes, &parts.significand, 8);
  std::memcpy(bytes + 8, &sign_exponent, 2);
  Extended value;
  std::memcpy(&value, bytes, sizeof bytes);
  return value;
}

// ---- reading ----

// Halfway points between Extended values have at most about 11520 significant decimal
// digits, so digits beyond this many can be replaced by one non-zero sticky digit without
// changing the rounding; this bounds the work for absurdly long texts.
constexpr std::size_t kMaxKeptDigits = 11600;
// Decimal exponents p (value in [10^(p-1), 10^p)) beyond these overflow or round to zero.
constexpr std::int64_t kMaxDecimalExponent = 4933;
constexpr std::int64_t kMinDecimalExponent = -4950;
constexpr std::int64_t kExponentClamp = 1000000000;

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool scan_decimal(std::string_view text, DecimalText& out) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) out.negative = text[i++] == '-';

  std::string& digits = out.digits;
  bool seen_point = false;
  bool any_digit = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c == '.' && !seen_point) {
      seen_point = true;
    } else if (is_digit(c)) {
      any_digit = true;
      if (seen_point) --out.exponent;
      if (c != '0' || !digits.empty()) digits.push_back(c);
    } else {
      break;
    }
  }
  if (!any_digit) return false;

  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool exponent_negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) exponent_negative = text[i++] == '-';
    std::int64_t exponent = 0;
    const std::size_t first = i;
    for (; i < n && is_digit(text[i]); ++i) {
      exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentClamp);
    }
    if (i == first) return false;
    out.exponent += exponent_negative ? -exponent : exponent;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return false;

  const std::size_t last = digits.find_last_not_of('0');
  if (last == std::string::npos) {
    digits.clear();
    return true;
  }
  out.exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
  digits.resize(last + 1);
  if (digits.size() > kMaxKeptDigits) {
    // The cut-off tail is not all zeros (trailing zeros are gone): keep a sticky 1.
    out.exponent += static_cast<std::int64_t>(digits.size() - kMaxKeptDigits);
    digits.resize(kMaxKeptDigits);
    digits.push_back('1');
    --out.exponent;
  }
  return true;
}

namespace {

BigUint digits_to_big(const std::string& digits) {
  BigUint value;
  std::size_t i = 0;
  while (i < digits.size()) {
    const std::size_t chunk = std::min<std::size_t>(9, digits.size() - i);
    std::uint32_t part = 0;
    std::uint32_t scale = 1;
    for (std::size_t k = 0; k < chunk; ++k, ++i) {
      part = part * 10 + static_cast<std::uint32_t>(digits[i] - '0');
      scale *= 10;
    }
    value.multiply_add(scale, part);
  }
  return value;
}

// numerator >= denominator * 2^shift, for a shift of either sign.
bool at_least_pow2_multiple(const BigUint& numerator, const BigUint& denominator,
                            std::int64_t shift) {
  BigUint left = numerator;
  BigUint right = denominator;
  if (shift >= 0) {
    right.shift_left(shift);
  } else {
    left.shift_left(-shift);
  }
  return compare(left, right) >= 0;
}

// Correctly rounded (to nearest, ties to even) value of numerator / denominator.
// Returns false on overflow.
bool ratio_to_extended(BigUint numerator, BigUint denominator, bool negative, Extended& out) {
  // value lies in [2^k, 2^(k+1)).
  std::int64_t k = numerator.bit_length() - denominator.bit_length();
  if (!at_least_pow2_multiple(numerator, denominator, k)) --k;
  std::int64_t lsb = std::max(k - 63, kMinLsbExponent);
  if (lsb >= 0) {
    denominator.shift_left(lsb);
  } else {
    numerator.shift_left(-lsb);
  }
  std::uint64_t significand = numerator.divide_small_quotient(denominator);
  numerator.shift_left(1);  // twice the remainder, against the divisor: the rounding bit
  const int half = compare(numerator, denominator);
  if (half > 0 || (half == 0 && (significand & 1) != 0)) {
    ++significand;
    if (significand == 0) {  // carried out of 64 bits
      significand = std::uint64_t{1} << 63;
      ++lsb;
    }
  }
  ExtendedParts parts;
  parts.negative = negative;
  parts.significand = significand;
  if ((significand >> 63) != 0) {
    const std::int64_t field = lsb - kMinLsbExponent + 1;
    if (field > kMaxExponentField) return false;
    parts.exponent_field = static_cast<int>(field);
  }
  out = join(parts);
  return true;
}

bool decimal_to_extended(const DecimalText& decimal, Extended& out) {
  ExtendedParts zero;
  zero.negative = decimal.negative;
  if (decimal.digits.empty()) {
    out = join(zero);
    return true;
  }
  const std::int64_t decimal_exponent =
      static_cast<std::int64_t>(decimal.digits.size()) + decimal.exponent;
  if (decimal_exponent > kMaxDecimalExponent) return false;
  if (decimal_exponent < kMinDecimalExponent) {
    out = join(zero);
    return true;
  }
  BigUint numerator = digits_to_big(decimal.digits);
  BigUint denominator(1);
  if (decimal.exponent >= 0) {
    numerator.multiply_pow10(decimal.exponent);
  } else {
    denominator.multiply_pow10(-decimal.exponent);
  }
  return ratio_to_extended(std::move(numerator), std::move(denominator), decimal.negative, out);
}

// ---- writing ----

constexpr int kMaxSignificant = 18;
constexpr std::uint64_t kPow10_17 = 100000000000000000ull;
constexpr std::uint64_t kPow10_18 = 1000000000000000000ull;

// A finite non-zero |value| = digits18 * 10^(p - 18) + (something below one unit), with
// |value| in [10^(p-1), 10^p) and digits18 in [10^17, 10^18).
struct Scaled18 {
  std::uint64_t digits18 = 0;
  bool rest_at_least_half = false;
  std::int64_t p = 0;
};

// floor(k * log10(2)) for |k| up to a few tens of thousands.
std::int64_t floor_log10_pow2(std::int64_t k) {
  constexpr std::int64_t kLog10Of2Scaled = 301029995663981;  // log10(2) * 10^15
  constexpr std::int64_t kScale = 1000000000000000;
  const std::int64_t product = k * kLog10Of2Scaled;
  return product >= 0 ? product / kScale : -((-product + kScale - 1) / kScale);
}

Scaled18 scale18(const ExtendedParts& parts) {
  const std::int64_t binary_exponent =
      parts.exponent_field == 0 ? kMinLsbExponent : parts.exponent_field + kMinLsbExponent - 1;
  const BigUint significand(parts.significand);
  const std::int64_t k = significand.bit_length() - 1 + binary_exponent;
  Scaled18 scaled;
  scaled.p = floor_log10_pow2(k) + 1;
  for (;;) {
    BigUint numerator = significand;
    BigUint denominator(1);
    if (binary_exponent >= 0) {
      numerator.shift_left(binary_exponent);
    } else {
      denominator.shift_left(-binary_exponent);
    }
    const std::int64_t scale = kMaxSignificant - scaled.p;
    if (scale >= 0) {
      numerator.multiply_pow10(scale);
    } else {
      denominator.multiply_pow10(-scale);
    }
    const std::uint64_t digits = numerator.divide_small_quotient(denominator);
    if (digits >= kPow10_18) {
      ++scaled.p;
    } else if (digits < kPow10_17) {
      --scaled.p;
    } else {
      numerator.shift_left(1);
      scaled.digits18 = digits;
      scaled.rest_at_least_half = compare(numerator, denominator) >= 0;
      return scaled;
    }
  }
}

// A rounded decimal: value = 0.digits * 10^point; digits has no trailing zeros, empty for 0.
struct RoundedDecimal {
  bool negative = false;
  std::string digits;
  std::int64_t point = 0;
};

std::uint64_t pow10_u64(int exponent) {
  std::uint64_t result = 1;
  while (exponent-- > 0) result *= 10;
  return result;
}

// Rounds |value| to at most max_significant (<= 18) significant digits and at most
// max_decimals fraction digits, halves away from zero. Throws for infinities and NaNs.
RoundedDecimal round_decimal(Extended value, int max_significant, std::int64_t max_decimals) {
  const ExtendedParts parts = split(value);
  if (parts.exponent_field == 0x7FFF) throw NumberFormatError("not a finite number");
  RoundedDecimal rounded;
  rounded.negative = parts.negative;
  if (parts.significand == 0) return rounded;

  const Scaled18 scaled = scale18(parts);
  const std::int64_t kept = std::min<std::int64_t>(max_significant, scaled.p + max_decimals);
  if (kept < 0) return rounded;
  std::uint64_t digits = 0;
  if (kept == kMaxSignificant) {
    digits = scaled.digits18 + (scaled.rest_at_least_half ? 1 : 0);
  } else {
    // digits18 is a floor, so comparing its dropped part with half a unit decides exactly.
    const std::uint64_t unit = pow10_u64(kMaxSignificant - static_cast<int>(kept));
    digits = scaled.digits18 / unit + (scaled.digits18 % unit >= unit / 2 ? 1 : 0);
  }
  if (digits == 0) return rounded;
  rounded.digits = std::to_string(digits);
  rounded.point = static_cast<std::int64_t>(rounded.digits.size()) + scaled.p - kept;
  rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
  return rounded;
}

// Fixed-point text: at least one integer digit, at least min_decimals fraction digits.
std::string fixed_from(const RoundedDecimal& rounded, std::size_t min_decimals, bool grouped) {
  const std::string& digits = rounded.digits;
  std::string integer;
  std::string fraction;
  if (rounded.point > 0) {
    const auto point = static_cast<std::size_t>(rounded.point);
    integer = digits.substr(0, point);
    integer.append(point - integer.size(), '0');
    if (point < digits.size()) fraction = digits.substr(point);
  } else {
    integer = "0";
    if (!digits.empty()) {
      fraction.assign(static_cast<std::size_t>(-rounded.point), '0');
      fraction += digits;
    }
  }
  if (fraction.size() < min_decimals) fraction.append(min_decimals - fraction.size(), '0');

  std::string text;
  if (rounded.negative && !digits.empty()) text.push_back('-');
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (grouped && i > 0 && (integer.size() - i) % 3 == 0) text.push_back(',');
    text.push_back(integer[i]);
  }
  if (!fraction.empty()) {
    text.push_back('.');
    text += fraction;
  }
  return text;
}

constexpr int kGeneralSignificant = 15;
constexpr std::int64_t kAnyDecimals = 100000;  // the general form limits digits only
// Masked forms hand values of 10^18 and more to the general form.
constexpr std::int64_t kMaxFixedDecimalExponent = 18;

// Every decimal digit of a finite value of at least 1 (the values beyond the 18-digit forms).
// significand x 2^e; for e < 0 (a few places at most here) significand x 5^-e with -e decimals.
RoundedDecimal exact_decimal(Extended value) {
  const ExtendedParts parts = split(value);
  if (parts.exponent_field == 0x7FFF) throw NumberFormatError("not a finite number");
  const std::int64_t binary_exponent = parts.exponent_field + kMinLsbExponent - 1;
  BigUint exact(parts.significand);
  std::int64_t decimals = 0;
  if (binary_exponent >= 0) {
    exact.shift_left(binary_exponent);
  } else {
    for (; decimals < -binary_exponent; ++decimals) exact.multiply_add(5, 0);
  }
  RoundedDecimal out;
  out.negative = parts.negative;
  out.digits = exact.decimal_digits();
  out.point = static_cast<std::int64_t>(out.digits.size()) - decimals;
  out.digits.erase(out.digits.find_last_not_of('0') + 1);
  return out;
}

// The first n digits of an exact decimal, rounded halves away from zero.
RoundedDecimal round_digits(const RoundedDecimal& exact, std::size_t n) {
  RoundedDecimal out = exact;
  if (n >= exact.digits.size()) return out;
  out.digits.resize(n);
  if (exact.digits[n] >= '5') {
    std::size_t i = n;
    while (i > 0 && out.digits[i - 1] == '9') out.digits[--i] = '0';
    if (i == 0) {
      out.digits.insert(out.digits.begin(), '1');
      ++out.point;
    } else {
      ++out.digits[i - 1];
    }
  }
  out.digits.erase(out.digits.find_last_not_of('0') + 1);
  return out;
}

// The fewest leading digits of the exact value that read back as the same value: the digits
// of the number as it was written, without the noise of its binary form.
RoundedDecimal shortest_decimal(Extended value) {
  const RoundedDecimal exact = exact_decimal(value);
  for (std::size_t n = 1;; ++n) {
    const RoundedDecimal candidate = round_digits(exact, n);
    Extended back = 0;  // near the top of the range a rounded-up candidate does not read
    if (n >= exact.digits.size() ||
        (try_parse_number(fixed_from(candidate, 0, false), back) && back == value)) {
      return candidate;
    }
  }
}

std::string masked_text(Extended value, int decimals, std::size_t min_decimals, bool grouped) {
  const RoundedDecimal rounded = round_decimal(value, kMaxSignificant, decimals);
  if (rounded.point > kMaxFixedDecimalExponent) return general_text(value);
  return fixed_from(rounded, min_decimals, grouped);
}

}  // namespace

Extended parse_number(std::string_view text) {
  Extended value;
  DecimalText decimal;
  if (!scan_decimal(text, decimal)) {
    throw NumberFormatError("not a number: \"" + std::string(text.substr(0, 64)) + "\"");
  }
  if (!decimal_to_extended(decimal, value)) {
    throw NumberFormatError("number out of range: \"" + std::string(text.substr(0, 64)) + "\"");
  }
  return value;
}

bool try_parse_number(std::string_view text, Extended& out) {
  DecimalText decimal;
  return scan_decimal(text, decimal) && decimal_to_extended(decimal, out);
}

std::string fix_text(Extended value) {
  return masked_text(value, 15, 0, false);
}

std::string fix_text_15(Extended value) {
  const RoundedDecimal rounded = round_decimal(value, kGeneralSignificant, 15);
  if (rounded.point > kMaxFixedDecimalExponent) return general_text(value);
  return fixed_from(rounded, 0, false);
}

std::string plain_text(Extended value) {
  const RoundedDecimal rounded = round_decimal(value, kMaxSignificant, 15);
  if (rounded.point <= kMaxFixedDecimalExponent) return fixed_from(rounded, 0, false);
  return fixed_from(shortest_decimal(value), 0, false);
}

std::string general_text(Extended value) {
  const RoundedDecimal rounded = round_decimal(value, kGeneralSignificant, kAnyDecimals);
  if (rounded.digits.empty()) return "0";
  if (rounded.point > kGeneralSignificant || rounded.point < -3) {
    std::string text = rounded.negative ? "-" : "";
    text.push_back(rounded.digits[0]);
    if (rounded.digits.size() > 1) {
      text.push_back('.');
      text.append(rounded.digits, 1);
    }
    return text + "E" + std::to_string(rounded.point - 1);
  }
  return fixed_from(rounded, 0, false);
}

std::string thousands_text(Extended value) {
  return masked_text(value, 15, 0, true);
}

std::string tooltip_text(Extended value) {
  return masked_text(value, 22, 0, true);
}

std::string money_text(Extended value) {
  const RoundedDecimal rounded = round_decimal(value, kMaxSignificant, 2);
  if (rounded.point <= kMaxFixedDecimalExponent) return fixed_from(rounded, 2, false);
  // An amount is never written with an exponent: from 10^18 up every digit, to the fen.
  const RoundedDecimal digits = shortest_decimal(value);
  return fixed_from(round_digits(digits, static_cast<std::size_t>(digits.point + 2)), 2, false);
}

std::string infinity_text(Extended value) {
  return value < 0 ? "-INF" : "INF";
}

Extended round15(Extended value) {
  return parse_number(general_text(value));
}

}  // namespace orvanta
