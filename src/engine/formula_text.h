#pragma once
// Small tests on the chain text of the formula bar.
#include <string>
#include <string_view>

namespace orvanta {

// The chain waits for an operand: it ends with one of the signs * + - / or the power's ^
// (which the y-power key puts into the scientific chain).
inline bool ends_with_operator(std::string_view text) {
  return !text.empty() && std::string_view("*+-/^").find(text.back()) != std::string_view::npos;
}

// The chain as equals leaves it in the bar: one trailing blank, then one trailing sign dropped
// ("1+2*3", not "1+2*3 " or "1+2*").
inline std::string finished_chain(std::string text) {
  if (text.ends_with(' ')) text.pop_back();
  if (ends_with_operator(text)) text.pop_back();
  return text;
}

}  // namespace orvanta
