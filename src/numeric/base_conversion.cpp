#include "numeric/base_conversion.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "numeric/calc_error.h"
#include "numeric/extended.h"
#include "numeric/integer_ops.h"
#include "numeric/number_text.h"

namespace orvanta {

namespace {

bool is_zero_text(std::string_view text) {
  return text == "0." || text == "0";
}

std::string digits_of(std::uint64_t magnitude, unsigned radix) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[magnitude % radix]);
    magnitude /= radix;
  } while (magnitude != 0);
  return out;
}

// The low 64 bits of the magnitude, unsigned: a value between 2^63 and 2^64 keeps all its
// digits instead of reading as a negative 64-bit number.
std::uint64_t magnitude_of(std::string_view decimal_text) {
  return static_cast<std::uint64_t>(truncate_to_int64(std::fabs(parse_number(decimal_text))));
}

// Octal and binary texts carry 32 bits: the low 32 bits of the magnitude, read as signed.
std::string dec_to_small_base(std::string_view text, unsigned radix) {
  if (is_zero_text(text)) return "0.";
  const std::int32_t v = low32(static_cast<std::int64_t>(magnitude_of(text)));
  if (v <= 0) return {};
  return digits_of(static_cast<std::uint64_t>(v), radix);
}

std::string small_base_to_dec(std::string_view text, std::uint32_t radix) {
  if (is_zero_text(text)) return "0.";
  std::uint32_t sum = 0;  // wraps like the 32-bit signed sum it stands for
  std::uint32_t weight = 1;
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    if (*it < '0' || *it > '9') throw CalcError("not a digit string");
    sum += static_cast<std::uint32_t>(*it - '0') * weight;
    weight *= radix;
  }
  return std::to_string(static_cast<std::int32_t>(sum));
}

std::size_t radix_of(NumberBase base) {
  switch (base) {
    case NumberBase::Hex:
      return 16;
    case NumberBase::Oct:
      return 8;
    case NumberBase::Bin:
      return 2;
    case NumberBase::Dec:
      break;
  }
  return 10;
}

}  // namespace

std::string hex_to_dec(std::string_view text) {
  if (is_zero_text(text)) return "0.";
  Extended sum = 0;
  Extended weight = 1;
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    int digit = 0;
    if (*it >= '0' && *it <= '9') digit = *it - '0';
    if (*it >= 'A' && *it <= 'F') digit = *it - 'A' + 10;
    sum += digit * weight;
    weight *= 16;
  }
  return plain_text(sum);
}

std::string dec_to_hex(std::string_view text) {
  if (is_zero_text(text)) return "0.";
  return digits_of(magnitude_of(text), 16);
}

std::string dec_to_oct(std::string_view text) {
  return dec_to_small_base(text, 8);
}
std::string dec_to_bin(std::string_view text) {
  return dec_to_small_base(text, 2);
}
std::string oct_to_dec(std::string_view text) {
  return small_base_to_dec(text, 8);
}
std::string bin_to_dec(std::string_view text) {
  return small_base_to_dec(text, 2);
}

std::string to_decimal(std::string_view text, NumberBase base) {
  switch (base) {
    case NumberBase::Hex:
      return hex_to_dec(text);
    case NumberBase::Oct:
      return oct_to_dec(text);
    case NumberBase::Bin:
      return bin_to_dec(text);
    case NumberBase::Dec:
      break;
  }
  return std::string(text);
}

std::string from_decimal(std::string_view text, NumberBase base) {
  switch (base) {
    case NumberBase::Hex:
      return dec_to_hex(text);
    case NumberBase::Oct:
      return dec_to_oct(text);
    case NumberBase::Bin:
      return dec_to_bin(text);
    case NumberBase::Dec:
      break;
  }
  return std::string(text);
}

bool is_number_of_base(std::string_view text, NumberBase base) {
  Extended value = 0;
  if (base == NumberBase::Dec) return try_parse_number(text, value);
  if (is_zero_text(text)) return true;
  const std::string_view digits = std::string_view("0123456789ABCDEF").substr(0, radix_of(base));
  return !text.empty() && text.find_first_not_of(digits) == std::string_view::npos;
}

std::string decimal_text_for(Extended value, NumberBase base) {
  return base == NumberBase::Dec ? fix_text(value) : plain_text(value);
}

std::string as_entry_text(std::string_view text, NumberBase base) {
  if (base != NumberBase::Dec && text == "0.") return "0";
  return std::string(text);
}

}  // namespace orvanta
