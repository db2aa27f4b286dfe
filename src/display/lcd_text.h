#pragma once
// The text rules of the LCD: decimal precision, thousands separators, glyphs, tooltip.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// Rounds a decimal number text to the precision field's number of decimals ("-1" free; a text
// that is no number acts as 0, other negatives as 0, more than 15 as 15). Texts with "E",
// texts that are no number and values whose scaled form leaves the 64-bit range stay as they
// are.
std::string apply_precision(std::string_view text, std::string_view precision_field);

// The thousands form of a decimal number text ("0." for zero); other texts stay.
std::string apply_thousands(std::string_view text);

// The thousands form of a number as it is being typed: separators between the integer digits,
// everything else as typed ("1234.50" is "1,234.50", "1." stays "1."); other texts stay.
std::string typed_thousands(std::string_view text);

// A decimal number in exponent form longer than the LCD keeps its exponent: the mantissa is
// rounded to the digits that still fit ("1.5241578780672E26" is "1.524157878E26"). Every other
// text stays as it is (the LCD shows its first cells).
std::string fit_exponent_form(std::string_view text, std::size_t cells);

// The characters the LCD has a glyph for (a blank leaves its cell empty).
bool has_glyph(char c);
// The bitmap resource of a character's glyph ("D0" ... "DFF", from face::kGlyphs); empty for a
// character without one (the blank included).
std::string_view glyph_resource(char c);

// The tooltip of the LCD: in decimal the value with thousands separators and up to 22
// decimals (0 for a text that is no number), in other bases the text as it is.
std::string lcd_tooltip(std::string_view text, bool decimal);

}  // namespace orvanta
