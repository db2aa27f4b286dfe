#include "formula/big_panel.h"

#include <algorithm>

#include "formula/big_number.h"
#include "numeric/profile_values.h"

namespace orvanta {

namespace {

int division_precision(std::string_view text) {
  const std::optional<int> value = parse_profile_int(text);
  if (!value) return kDefaultDivisionPrecision;
  return *value < 0 ? 0 : *value;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view without_blanks_around(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool all_digits(std::string_view text) {
  for (const char c : text) {
    if (!is_digit(c)) return false;
  }
  return true;
}

// Integer digits with commas between groups of three (the first group of one to three digits):
// the digits alone, or none when the commas group them otherwise.
std::optional<std::string> ungrouped_digits(std::string_view text) {
  std::string digits;
  digits.reserve(text.size());
  for (std::size_t start = 0;;) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::size_t group = comma - start;
    const bool first = start == 0;
    if (!all_digits(text.substr(start, group)) || (first ? group == 0 || group > 3 : group != 3)) {
      return std::nullopt;
    }
    digits.append(text, start, group);
    if (comma == text.size()) return digits;
    start = comma + 1;
  }
}

// a plus the magnitude b with its sign; BigSub writes the sign of a difference itself.
std::string signed_sum(const BigOperand& a, bool b_negative, std::string_view b) {
  if (a.negative == b_negative) return My_Calcs::BigAdd(a.magnitude(), b, a.negative);
  return a.negative ? My_Calcs::BigSub(b, a.magnitude()) : My_Calcs::BigSub(a.magnitude(), b);
}

}  // namespace

std::string division_precision_field(std::string_view text) {
  return std::to_string(division_precision(text));
}

std::optional<BigOperand> read_big_operand(std::string_view field) {
  std::string_view text = without_blanks_around(field);
  BigOperand operand;
  if (text.empty()) {
    operand.field_digits = "0";
    return operand;
  }
  if (text.front() == '-' || text.front() == '+') {
    operand.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = std::min(text.find('.'), text.size());
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = text.substr(std::min(point + 1, text.size()));
  // A lone sign or point is no number.
  if ((whole.empty() && fraction.empty()) || !all_digits(fraction)) return std::nullopt;
  operand.field_digits = text;
  if (whole.find(',') == std::string_view::npos) {
    if (!all_digits(whole)) return std::nullopt;
    return operand;
  }
  std::optional<std::string> digits = ungrouped_digits(whole);
  if (!digits) return std::nullopt;
  operand.ungrouped = std::move(*digits);
  operand.ungrouped += text.substr(point);
  return operand;
}

bool big_operands_accepted(std::string_view first, std::string_view second, MessageBoxes& boxes) {
  const std::string_view label = !read_big_operand(first)    ? "值一"
                                 : !read_big_operand(second) ? "值二"
                                                             : "";
  if (label.empty()) return true;
  boxes.show(kBigPanelCaption,
             std::string(label) +
                 "不是一个数，无法计算。\n请只输入数字，可带一个小数点、开头的正负号"
                 "和每三位一组的千位分隔符，例如 -1,234,567.89。",
             BoxIcon::Warning, BoxButtons::Ok);
  return false;
}

std::string big_signed_result(BigOperation op, const BigOperand& first, const BigOperand& second,
                              std::int64_t precision) {
  const bool signs_differ = first.negative != second.negative;
  switch (op) {
    case BigOperation::Add:
      return signed_sum(first, second.negative, second.magnitude());
    case BigOperation::Subtract:
      return signed_sum(first, !second.negative, second.magnitude());
    case BigOperation::Multiply:
      return My_Calcs::BigMul(first.magnitude(), second.magnitude(), signs_differ);
    case BigOperation::Divide:
      break;
  }
  return My_Calcs::BigDiv(first.magnitude(), second.magnitude(), precision, signs_differ);
}

std::string big_panel_result(BigOperation op, std::string_view first, std::string_view second,
                             std::string_view precision_field) {
  const std::optional<BigOperand> a = read_big_operand(first);
  const std::optional<BigOperand> b = read_big_operand(second);
  if (!a || !b) return {};
  return big_signed_result(op, *a, *b, division_precision(precision_field));
}

}  // namespace orvanta
