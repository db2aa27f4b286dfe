#pragma once
// Small tests on the chain text of the formula bar.
#include <string_view>

namespace orvanta {

// The chain waits for an operand: it ends with one of the signs * + - / or the power's ^
// (which the y-power key puts into the scientific chain).
inline bool ends_with_operator(std::string_view text) {
  return !text.empty() && std::string_view("*+-/^").find(text.back()) != std::string_view::npos;
}

}  // namespace orvanta
