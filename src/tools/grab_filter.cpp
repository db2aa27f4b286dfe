#include "tools/grab_filter.h"

#include <optional>

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

}  // namespace

std::string grab_filter(std::string_view text, char capture_operator) {
  std::string formula;
  int signs = 0;            // signs since the last number character
  bool separated = false;   // a run of other characters already gave its sign
  bool after_sign = false;  // the formula ends with a sign, not a number character
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size() && characters < kGrabTextLimit; ++characters) {
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
    } else if (c == '*' || c == '+' || c == '/') {
      if (after_sign && !formula.empty()) formula.pop_back();
      formula += c;
      ++signs;
      after_sign = true;
    } else if (c == '-' && signs < 3) {
      formula += c;
      ++signs;
      after_sign = true;
    } else if (!separated && !after_sign) {
      formula += capture_operator;
      ++signs;
      separated = after_sign = true;
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
