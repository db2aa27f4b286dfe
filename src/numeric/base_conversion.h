#pragma once
// Text-to-text conversions between a base and decimal. Each returns "0." for "0." and "0".
#include <string>
#include <string_view>

#include "numeric/extended.h"
#include "numeric/number_base.h"

namespace orvanta {

// Sum of digit x 16^k (A-F are 10-15, other non-digits 0), written as plain number text with
// every digit also beyond 10^18, so the 64 bits of a hexadecimal number stay exact.
std::string hex_to_dec(std::string_view text);
// The value truncated to 64 bits, its magnitude in capital hexadecimal digits.
std::string dec_to_hex(std::string_view text);
// The value truncated to 64 bits, magnitude taken, its low 32 bits as a signed integer v:
// v's digits, or empty when v is 0 or negative.
std::string dec_to_oct(std::string_view text);
std::string dec_to_bin(std::string_view text);
// Sum of digit x 8^k (2^k) in a signed 32-bit integer that wraps; raises CalcError on a
// character that is not a decimal digit.
std::string oct_to_dec(std::string_view text);
std::string bin_to_dec(std::string_view text);

// A number text of `base` as decimal text (decimal stays as it is), and back.
std::string to_decimal(std::string_view text, NumberBase base);
std::string from_decimal(std::string_view text, NumberBase base);
// True for a number written in `base`: a decimal number text, or digits of the base (zero as
// "0" or "0."). The error mark and other display texts are not.
bool is_number_of_base(std::string_view text, NumberBase base);
// The decimal text of a value on its way into `base`: FIX_MASK in decimal, every digit in the
// other bases, whose integers are exact up to 64 bits.
std::string decimal_text_for(Extended value, NumberBase base);
// A number text of `base` as entry_text holds it. The digit keys lengthen the entry, so outside
// decimal zero is "0" there, never the "0." the conversions give.
std::string as_entry_text(std::string_view text, NumberBase base);

}  // namespace orvanta
