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

// A decimal number as the LCD's cells show it, never smaller than it is: the exponent form
// keeps its exponent (fit_exponent_form), and a plain number too long for the cells goes into
// the exponent form when its integer digits, sign included, need more than the cells
// ("100000000000000" is "1E14", "9460730472580800" is "9.460730473E15") or it is below 1E-4
// ("0.000000000000033" is "3.3E-14", not "0.000000000000"), its mantissa rounded half up to what
// fits. Other texts stay as they are: a fraction too long for the cells shows its first cells.
std::string fit_to_cells(std::string_view text, std::size_t cells);

// How many cells the integer part of a number text takes: everything before its point.
std::size_t integer_cells(std::string_view text);

// Whether the drawn cells show the whole of a decimal text: for a number, that they read as
// the same value (separators aside, so "1E14" shows 100000000000000 whole and
// "9.460730473E15" does not); for any other text, that it fits.
bool cells_show_whole(std::string_view drawn, std::string_view text, std::size_t cells);

// The characters the LCD has a glyph for (a blank leaves its cell empty).
bool has_glyph(char c);
// The bitmap resource of a character's glyph ("D0" ... "DFF", from face::kGlyphs); empty for a
// character without one (the blank included).
std::string_view glyph_resource(char c);

// The tooltip of the LCD: in decimal the value with thousands separators and up to 22
// decimals (0 for a text that is no number), in other bases the text as it is.
std::string lcd_tooltip(std::string_view text, bool decimal);

}  // namespace orvanta
