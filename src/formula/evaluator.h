#pragma once
// The expression evaluator: rewrites a formula text one pass at a time until a bare number
// (or kInvalidExpression) comes back.
#include <string>
#include <string_view>

#include "formula/formula_host.h"

namespace orvanta {

// What a pass returns when it failed.
inline constexpr std::string_view kInvalidExpression = "无效的表达式!";
// The failure message box raised by a pass when messages are on (caption "错误！").
inline constexpr std::string_view kInvalidExpressionMessage =
    "输入的表达式无效或含有无效字符！请按格式输入！";

// One pass: functions, roots, the leftmost power, then one group or one arithmetic operation.
// The result has no blanks and its ASCII letters in upper case; a bare number comes back
// unchanged. On failure returns kInvalidExpression (and shows the message box when
// show_messages is set; groups are always reduced with messages on).
std::string gs_step(std::string_view text, bool show_messages, FormulaHost& host);

}  // namespace orvanta
