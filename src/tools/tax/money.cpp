#include "tools/tax/money.h"

#include <cstdlib>

#include "numeric/number_text.h"

namespace orvanta {
namespace {

// The full-width forms U+FF01..FF5E (EF BC 81 .. EF BD 9E) are the ASCII characters
// 0x21..0x7E; the ideographic space U+3000 (E3 80 80) is a blank. Everything else is kept.
std::string fold_full_width(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if (i + 3 <= text.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD)) {
      const unsigned code = 0xFF00u + (byte(1) - 0xBCu) * 0x40u + (byte(2) - 0x80u);
      if (code >= 0xFF01 && code <= 0xFF5E) {
        ascii.push_back(static_cast<char>(code - 0xFEE0));
        i += 3;
        continue;
      }
    }
    if (i + 3 <= text.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
      ascii.push_back(' ');
      i += 3;
      continue;
    }
    ascii.push_back(text[i++]);
  }
  return ascii;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Thousands separators stand only between two digits before the point; any other comma stays
// and makes the text no number.
std::string without_separators(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  bool in_whole_part = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' || c == 'e' || c == 'E') in_whole_part = false;
    const bool separator = c == ',' && in_whole_part && i > 0 && is_digit(text[i - 1]) &&
                           i + 1 < text.size() && is_digit(text[i + 1]);
    if (!separator) kept.push_back(c);
  }
  return kept;
}

// Digits of kMaxAmount in cents, plus one: any longer whole part is too large.
constexpr std::int64_t kMaxCentDigits = 16;

}  // namespace

MoneyField read_money(std::string_view text) {
  const std::string ascii = without_separators(fold_full_width(text));
  if (ascii.find_first_not_of(' ') == std::string::npos) return {};  // blank: 0
  DecimalText d;
  if (!scan_decimal(ascii, d)) return {0, MoneyProblem::NotANumber};
  if (d.digits.empty()) return {};
  // The digits that stand before the cents' point, and the first one after it.
  const std::int64_t count = static_cast<std::int64_t>(d.digits.size());
  const std::int64_t whole = count + d.exponent + 2;
  if (whole > kMaxCentDigits) return {0, MoneyProblem::TooLarge};
  Cents cents = 0;
  for (std::int64_t k = 0; k < whole; ++k) cents = cents * 10 + (k < count ? d.digits[k] - '0' : 0);
  if (whole >= 0 && whole < count && d.digits[whole] >= '5') ++cents;
  if (cents > kMaxAmount) return {0, MoneyProblem::TooLarge};
  return {d.negative ? -cents : cents, MoneyProblem::None};
}

Cents percent_of(Cents amount, int percent) {
  const Cents hundredths = std::abs(amount) * percent;
  const Cents rounded = (hundredths + 50) / 100;
  return amount < 0 ? -rounded : rounded;
}

std::string money_text(Cents amount) {
  const Cents magnitude = std::abs(amount);
  std::string text = amount < 0 ? "-" : "";
  text += std::to_string(magnitude / kCentsPerYuan);
  const Cents fraction = magnitude % kCentsPerYuan;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

}  // namespace orvanta
