#include "tools/exchange/grab_filter.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "formula/evaluator.h"
#include "formula/formula_panel.h"

namespace orvanta {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

bool is_number_character(char c) {
  return is_digit(c) || c == '(' || c == ')' || c == '.';
}

bool is_operator(char c) {
  return c == '*' || c == '+' || c == '/' || c == '^';
}

// Beyond this no 80-bit value but 0 and infinity has a decimal exponent.
constexpr long kExponentLimit = 5000;

std::size_t digits_end(std::string_view text, std::size_t at) {
  while (at < text.size() && is_digit(text[at])) ++at;
  return at;
}

// The formula may end on a digit or a parenthesis, and start on those or a sign; a point
// may start it when a digit follows, or ".5" would read as 5.
void trim(std::string& formula) {
  while (!formula.empty() && !is_digit(formula.back()) && formula.back() != '(' &&
         formula.back() != ')') {
    formula.pop_back();
  }
  std::size_t start = 0;
  while (start < formula.size()) {
    const char c = formula[start];
    if (is_digit(c) || c == '(' || c == ')' || c == '-') break;
    if (c == '.' && start + 1 < formula.size() && is_digit(formula[start + 1])) break;
    ++start;
  }
  formula.erase(0, start);
}

// The first `limit` characters of a UTF-8 text, a non-ASCII character counting as one.
std::string_view first_characters(std::string_view text, std::size_t limit) {
  std::size_t i = 0;
  for (std::size_t characters = 0; i < text.size() && characters < limit; ++characters) {
    if (static_cast<unsigned char>(text[i++]) >= 0x80) {
      while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
  }
  return text.substr(0, i);
}

// The digits `whole` "." `fraction` times ten to `exponent`, in plain digits, which the
// evaluator reads: 1.5 and 5 give 150000, 1.5 and -5 give 0.000015.
std::string shifted(const std::string& whole, std::string_view fraction, long exponent) {
  const std::string digits = whole + std::string(fraction);
  const long point = static_cast<long>(whole.size()) + exponent;
  std::string out;
  if (point <= 0) {
    out = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
  } else if (point >= static_cast<long>(digits.size())) {
    out = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
  } else {
    out = digits.substr(0, static_cast<std::size_t>(point)) + "." +
          digits.substr(static_cast<std::size_t>(point));
  }
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  const std::size_t first = out.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  out.erase(0, out[first] == '.' ? first - 1 : first);
  return out;
}

// A number of the grabbed text starting at `at` (a digit, or a point before one): its integer
// digits, grouped in threes by commas ("1,234,567") or not, a fraction, and an exponent ("E5",
// "e+05", "E-5"), which all belong to it.
struct ScannedNumber {
  std::vector<std::string> groups;  // the integer digits; more than one: commas that separate
  std::string_view fraction;        // the digits after the point
  bool point = false;
  std::optional<long> exponent;
  bool out_of_range = false;  // an exponent no value of the calculator reaches
  std::size_t end = 0;
};

ScannedNumber scan_number(std::string_view text, std::size_t at) {
  ScannedNumber number;
  std::size_t i = digits_end(text, at);
  number.groups.emplace_back(text.substr(at, i - at));
  // Commas that group digits in threes belong to the number; in any other run they separate.
  while (i + 1 < text.size() && text[i] == ',' && is_digit(text[i + 1])) {
    const std::size_t end = digits_end(text, i + 1);
    number.groups.emplace_back(text.substr(i + 1, end - i - 1));
    i = end;
  }
  const bool grouped = number.groups.size() > 1 && !number.groups.front().empty() &&
                       number.groups.front().size() <= 3 &&
                       std::all_of(number.groups.begin() + 1, number.groups.end(),
                                   [](const std::string& group) { return group.size() == 3; });
  if (grouped) {
    std::string whole;
    for (const std::string& group : number.groups) whole += group;
    number.groups = {whole};
  }
  if (i + 1 < text.size() && text[i] == '.' && is_digit(text[i + 1])) {
    const std::size_t end = digits_end(text, i + 1);
    number.point = true;
    number.fraction = text.substr(i + 1, end - i - 1);
    i = end;
  }
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t digits = i + 1;
    const bool negative = digits < text.size() && text[digits] == '-';
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    const std::size_t end = digits_end(text, digits);
    if (end > digits) {
      long exponent = 0;
      for (std::size_t d = digits; d < end && exponent <= kExponentLimit; ++d) {
        exponent = exponent * 10 + (text[d] - '0');
      }
      number.out_of_range = exponent > kExponentLimit;
      number.exponent = negative ? -exponent : exponent;
      i = end;
    }
  }
  number.end = i;
  return number;
}

}  // namespace

std::string grab_filter(std::string_view all_text, char capture_operator) {
  const std::string_view text = first_characters(all_text, kGrabTextLimit);
  std::string formula;
  int signs = 0;            // signs since the last number character
  bool separated = false;   // a run of other characters already gave its sign
  bool after_sign = false;  // the formula ends with a sign, not a number character
  const auto separate = [&] {
    if (separated || after_sign) return;
    formula += capture_operator;
    ++signs;
    separated = after_sign = true;
  };
  for (std::size_t i = 0; i < text.size();) {
    const bool starts_number =
        is_digit(text[i]) || (text[i] == '.' && i + 1 < text.size() && is_digit(text[i + 1]));
    if (starts_number) {
      const ScannedNumber number = scan_number(text, i);
      if (number.out_of_range) return {};
      for (std::size_t g = 0; g + 1 < number.groups.size(); ++g) {
        formula += number.groups[g];
        separated = after_sign = false;
        separate();
      }
      const std::string& whole = number.groups.back();
      if (number.exponent) {
        formula += shifted(whole, number.fraction, *number.exponent);
      } else {
        formula += whole;
        if (number.point) formula += "." + std::string(number.fraction);
      }
      signs = 0;
      separated = after_sign = false;
      i = number.end;
      continue;
    }
    // One character: a non-ASCII one, whatever its length in UTF-8, is one other character.
    char c = text[i++];
    if (static_cast<unsigned char>(c) >= 0x80) {
      while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
      c = '\0';
    }
    if (is_number_character(c)) {
      formula += c;
      signs = 0;
      separated = after_sign = false;
    } else if (is_operator(c)) {
      if (after_sign && !formula.empty()) formula.pop_back();
      formula += c;
      ++signs;
      after_sign = true;
    } else if (c == '-' && signs < 3) {
      formula += c;
      ++signs;
      after_sign = true;
    } else {
      separate();
    }
  }
  trim(formula);
  return formula;
}

std::string grab_evaluate(std::string formula, FormulaHost& host) {
  // A formula the evaluator refuses reads as no number, which the grab shows as 0.
  std::optional<std::string> done = run_passes(std::move(formula), host);
  return done ? std::move(*done) : std::string(kInvalidExpression);
}

}  // namespace orvanta
