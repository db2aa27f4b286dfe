#pragma once
// Number texts shared by the whole core: parsing decimal text into Extended values and the
// fixed output forms (plain, general, thousands, tooltip, money). Implemented without the C
// library's long double formatting so the Windows and Linux builds produce the same digits.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "numeric/extended.h"

namespace orvanta {

// Thrown when a text does not read as a number; key handlers turn it into the error display.
struct NumberFormatError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "12.5", "-3", "1.60217733e-19", "+7", ".5", "5.": decimal digits with at most one ".",
// an optional sign and an optional exponent "e"/"E" with optional sign. Blanks (' ') before
// and after are skipped; an empty text, a lone sign or point, "," or any other character,
// and a value beyond the Extended range throw NumberFormatError. The result is correctly
// rounded (to nearest, ties to even), the same on every build.
Extended parse_number(std::string_view text);
// Same, but returns false instead of throwing.
bool try_parse_number(std::string_view text, Extended& out);

// A number text as written, exactly: value = digits × 10^exponent.
struct DecimalText {
  bool negative = false;
  std::string digits;         // significant digits, no leading or trailing zeros; empty for 0
  std::int64_t exponent = 0;  // clamped far beyond any Extended
};
// Reads the texts parse_number reads, without rounding (a text of more than 11,600 significant
// digits keeps a sticky last digit); false for any other text.
bool scan_decimal(std::string_view text, DecimalText& out);

// The writers below work on the exact binary value, round it once, halves away from zero,
// never write "-0", and throw NumberFormatError for infinities and NaNs (such a value fails
// where its text is needed). The masked forms hand values of 10^18 and more (after rounding
// to 18 significant digits) to general_text.

// FIX_MASK "##############0.###############": at most 15 decimals (rounded at the 15th),
// at most 18 significant digits; from 1E18 up the general form.
std::string fix_text(Extended value);
// FIX_MASK with at most 15 significant digits, rounded once: for values computed through
// rounded factors, whose further digits are noise. From 1E18 up the general form.
std::string fix_text_15(Extended value);
// FIX_MASK below 10^18; from there on plain digits instead of the general form, the fewest
// significant digits (at most 21, enough for every Extended) that read back as the same value.
// For texts that are read again as numbers, such as the formula evaluator's.
std::string plain_text(Extended value);
// Shortest text with at most 15 significant digits; E form from 1E15 up and below 1E-4.
std::string general_text(Extended value);
// "#,##0.###############"
std::string thousands_text(Extended value);
// "#,##0.######################" (the LCD tooltip)
std::string tooltip_text(Extended value);
// "0.00": exactly two decimals, a "-" kept for negative values; every integer digit also from
// 10^18 up (an amount has no exponent form).
std::string money_text(Extended value);
// "INF" or "-INF": how an infinite value stands in a text, a word no number reader takes.
std::string infinity_text(Extended value);
// Rounds to 15 significant digits (write in the general form and read back).
Extended round15(Extended value);

}  // namespace orvanta
