#pragma once
// The big-number panel without its window: what its four buttons put into "计算结果：" and how
// its division-precision field rewrites itself.
#include <string>
#include <string_view>

namespace orvanta {

enum class BigOperation { Add, Subtract, Multiply, Divide };

// The division precision when the field holds no integer.
inline constexpr int kDefaultDivisionPrecision = 10;

// The precision field's text after any change: the decimal form of its integer value, "10"
// for a text that is no integer (an emptied field included) and "0" for a negative value.
std::string division_precision_field(std::string_view text);

// The result of one button on the two operand texts; `precision_field` is read as the field
// rewrites itself. Odd characters count as 0 digits, division by zero gives "0"; only running
// out of memory throws (std::bad_alloc or std::length_error).
std::string big_panel_result(BigOperation op, std::string_view first, std::string_view second,
                             std::string_view precision_field);

}  // namespace orvanta
