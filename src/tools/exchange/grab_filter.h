#pragma once
// The grab of a selection in the window below: its text filtered down to a formula, and the
// formula evaluated.
#include <cstddef>
#include <string>
#include <string_view>

#include "formula/formula_host.h"

namespace orvanta {

// Shown in the formula bar when a grab finds nothing to compute.
inline constexpr std::string_view kGrabFailedText = "错误! 抓取的数据或公式无效!!!";
// At most this many characters of the clipboard are read.
inline constexpr std::size_t kGrabTextLimit = 65535;

// The formula in a grabbed text: numbers, points and parentheses are kept, + * / ^ and up to
// three minus signs in a row are kept (a newer + * / ^ replaces an older sign), and each run
// of any other characters (letters, blanks, other commas, line breaks, every non-ASCII
// character) becomes one `capture_operator` between loose numbers. A number's digits grouped
// in threes by commas are one number, and an exponent (E, e, E+, E-) belongs to its number,
// written out in plain digits for the evaluator. The ends are trimmed to a digit or a
// parenthesis (a leading "-", or "." before a digit, stays). Empty when no number is left or
// an exponent is beyond every value of the calculator.
// "合计：1,234.50元" -> "1234.50"; "1.5E+05" -> "150000"; "5 - 3" -> "5+-3";
// "12\n7.5\n3" with '*' -> "12*7.5*3".
std::string grab_filter(std::string_view text, char capture_operator);

// The grabbed formula evaluated pass by pass (messages off): a number text when all went
// well; kInvalidExpression when a pass failed, stopped changing the text or the passes ran
// out; a formula without any operation comes back as it is ("1.2.3").
std::string grab_evaluate(std::string formula, FormulaHost& host);

}  // namespace orvanta
