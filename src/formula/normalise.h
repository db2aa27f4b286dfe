#pragma once
// Formula normalisation: full-width characters, Chinese annotations and implicit
// multiplication turned into the plain text that gs_step understands.
#include <optional>
#include <string>
#include <string_view>

#include "formula/formula_host.h"

namespace orvanta {

// The refusal message (caption "错误！") for unequal counts of "(" and ")".
inline constexpr std::string_view kBracketMessage = "输入的表达式中括号有问题！请仔细检查！";

// Takes UTF-8 text. Returns the normalised ASCII formula, or nullopt after showing the bracket
// message through the host when the counts of "(" and ")" differ.
std::optional<std::string> gs_normalise(std::string_view text, FormulaHost& host);

}  // namespace orvanta
