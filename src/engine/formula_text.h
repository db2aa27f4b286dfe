#pragma once
// Small tests on the chain text of the formula bar.
#include <exception>
#include <string>
#include <string_view>

#include "numeric/base_conversion.h"

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

// The chain, which the bar writes in decimal, with its numbers in the digits of `base`
// ("10+5" is "A+5" in hexadecimal).
inline std::string chain_in_base(std::string_view chain, NumberBase base) {
  if (base == NumberBase::Dec) return std::string(chain);
  std::string out;
  for (std::size_t i = 0; i < chain.size();) {
    const std::size_t end = chain.find_first_not_of("0123456789.", i);
    const std::size_t stop = end == std::string_view::npos ? chain.size() : end;
    if (stop == i) {
      out += chain[i++];
      continue;
    }
    const std::string_view run = chain.substr(i, stop - i);
    std::string digits;
    try {
      digits = from_decimal(run, base);
    } catch (const std::exception&) {
      digits.clear();  // no number (a lone point): written as it stands
    }
    if (digits.ends_with('.')) digits.pop_back();  // zero comes back as "0."
    out += digits.empty() ? std::string(run) : digits;
    i = stop;
  }
  return out;
}

}  // namespace orvanta
