#pragma once
// The big-number panel without its window: how it reads its operand fields, what its four
// buttons put into "计算结果：" and how its division-precision field rewrites itself.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/message_boxes.h"

namespace orvanta {

enum class BigOperation { Add, Subtract, Multiply, Divide };

// The division precision when the field holds no integer.
inline constexpr int kDefaultDivisionPrecision = 10;

// The precision field's text after any change: the decimal form of its integer value, "10"
// for a text that is no integer (an emptied field included) and "0" for a negative value.
std::string division_precision_field(std::string_view text);

// An operand field read as a number: its sign and its digits with at most one point. The
// digits stay in the field's text unless commas had to be taken out, so a million-digit field
// is not copied: the field must outlive the operand.
struct BigOperand {
  bool negative = false;
  std::string_view field_digits;  // the digits in the field's text
  std::string ungrouped;          // the digits without their commas, when the field had some
  std::string_view magnitude() const { return ungrouped.empty() ? field_digits : ungrouped; }
};

// A field holds decimal digits with at most one point, a "-" or "+" before them, blanks around
// them, and commas that group the integer digits in threes ("-1,234,567.5"); an empty field is
// 0. Any other text is none: the panel computes only the number the field shows.
std::optional<BigOperand> read_big_operand(std::string_view field);

inline constexpr std::string_view kBigPanelCaption = "超大数计算";

// Before a button computes: true when both fields read as numbers; otherwise a box tells the
// user which field the panel cannot read, and nothing is to be computed.
bool big_operands_accepted(std::string_view first, std::string_view second, MessageBoxes& boxes);

// op on two signed operands: "-5" and "3" add to "-2", multiply to "-15"; the quotient has
// `precision` digits as My_Calcs::BigDiv counts them. Canonical, never "-0".
std::string big_signed_result(BigOperation op, const BigOperand& first, const BigOperand& second,
                              std::int64_t precision);

// The result of one button on the two field texts; `precision_field` is read as the field
// rewrites itself. Division by zero gives "0". Empty when a field does not read as a number
// (big_operands_accepted, run first, tells the user why). Only running out of memory throws
// (std::bad_alloc or std::length_error).
std::string big_panel_result(BigOperation op, std::string_view first, std::string_view second,
                             std::string_view precision_field);

}  // namespace orvanta
