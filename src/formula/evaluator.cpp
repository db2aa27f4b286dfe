#include "formula/evaluator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "formula/formula_math.h"
#include "numeric/number_text.h"

namespace orvanta {
namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool is_number_char(char c) {
  return is_digit(c) || c == '.';
}
bool is_upper_letter(char c) {
  return c >= 'A' && c <= 'Z';
}
// Characters after which a "-" is a sign rather than the subtraction.
bool opens_operand(char c) {
  return c == '(' || c == '*' || c == '+' || c == '-' || c == '/';
}

// A token of digits and points with an optional leading "-"; anything else fails the pass.
Extended to_number(std::string_view token) {
  Extended value = 0;
  if (std::none_of(token.begin(), token.end(), is_digit) || !try_parse_number(token, value) ||
      !std::isfinite(value)) {
    throw PassFailed{};
  }
  return value;
}

std::string write_back(Extended value) {
  if (std::isnan(value)) throw PassFailed{};
  // Only the inverse secant and cosecant produce an infinity on purpose; it stays in the text
  // as a word that no later pass reads as a number.
  if (std::isinf(value)) return infinity_text(value);
  if (value == 0) return "0";  // no "-0"
  // Plain digits also from 1E18 up: the next pass must read the same value, never "1E20".
  return plain_text(value);
}

// A number may not touch a parenthesis or a function name without an operator: replacing
// [begin, end) by a value must not glue that value to a neighbouring number.
void check_no_glued_number(const std::string& s, size_t begin, size_t end) {
  if ((begin > 0 && is_number_char(s[begin - 1])) || (end < s.size() && is_number_char(s[end]))) {
    throw PassFailed{};
  }
}

struct Call {
  size_t name_begin;
  size_t arg_begin;
  size_t close;  // the ")" ending the argument
};

// The first occurrence of `name` whose argument holds no "(" (its inner group goes first).
std::optional<Call> find_call(const std::string& s, std::string_view name) {
  for (size_t at = s.find(name); at != std::string::npos; at = s.find(name, at + 1)) {
    const size_t arg = at + name.size();
    const size_t close = s.find(')', arg);
    if (close == std::string::npos) return std::nullopt;  // no later occurrence has one either
    if (s.find('(', arg) > close) return Call{at, arg, close};
  }
  return std::nullopt;
}

// "-"? [0-9.]*
bool is_signed_run(std::string_view arg) {
  if (!arg.empty() && arg[0] == '-') arg.remove_prefix(1);
  return std::all_of(arg.begin(), arg.end(), is_number_char);
}

size_t run_end(const std::string& s, size_t from, std::string_view also = {}) {
  while (from < s.size() && (is_number_char(s[from]) || also.find(s[from]) != std::string::npos)) {
    ++from;
  }
  return from;
}

void replace_call(std::string& s, const Call& call, Extended value) {
  check_no_glued_number(s, call.name_begin, call.close + 1);
  s.replace(call.name_begin, call.close + 1 - call.name_begin, write_back(value));
}

void function_stage(std::string& s, FormulaHost& host) {
  for (const FunctionEntry& entry : kFunctionTable) {
    const auto call = find_call(s, entry.name);
    if (!call) continue;
    const std::string_view arg(s.data() + call->arg_begin, call->close - call->arg_begin);
    if (!is_signed_run(arg)) continue;  // not a number yet
    const Extended x = to_number(arg);
    replace_call(s, *call, apply_function(entry.function, x, host.angle_degrees()));
  }
}

void root_stage(std::string& s) {
  const bool lax = std::count(s.begin() + std::min<size_t>(1, s.size()), s.end(), '-') == 1 &&
                   s.find(",-") != std::string::npos;
  const auto call = find_call(s, "SQRT(");
  if (!call) return;
  const std::string_view arg(s.data() + call->arg_begin, call->close - call->arg_begin);
  const std::string_view body = !arg.empty() && arg[0] == '-' ? arg.substr(1) : arg;
  const bool plain =
      std::all_of(body.begin(), body.end(), [](char c) { return is_number_char(c) || c == ','; });
  if (!plain && !lax) return;

  const size_t radicand_end = run_end(s, call->arg_begin, "-");
  Extended exponent = 0.5L;
  if (s[radicand_end] == ',') {
    const size_t index_end = run_end(s, radicand_end + 1, "-");
    // The index is the run after the first comma; what follows a second comma goes with the
    // call. Anything else after the index is text still to be reduced (SQRT(8,-3+1)).
    if (index_end != call->close && s[index_end] != ',') return;
    const Extended index =
        to_number(std::string_view(s).substr(radicand_end + 1, index_end - radicand_end - 1));
    if (index == 0) throw PassFailed{};
    exponent = 1 / index;
  } else if (radicand_end != call->close) {
    return;
  }
  const Extended radicand =
      to_number(std::string_view(s).substr(call->arg_begin, radicand_end - call->arg_begin));
  replace_call(s, *call, power(std::fabs(radicand), exponent));
}

void power_stage(std::string& s) {
  const size_t caret = s.find('^');
  if (caret == std::string::npos || caret == 0 || caret + 1 >= s.size()) return;
  if (!is_digit(s[caret - 1]) || !(s[caret + 1] == '-' || is_digit(s[caret + 1]))) return;

  size_t base_begin = caret;
  while (base_begin > 0 && is_number_char(s[base_begin - 1])) --base_begin;
  if (base_begin > 0 && s[base_begin - 1] == '-' &&
      (base_begin == 1 || opens_operand(s[base_begin - 2]))) {
    --base_begin;
  }
  const size_t exponent_end = run_end(s, s[caret + 1] == '-' ? caret + 2 : caret + 1);

  const std::string_view view(s);
  const Extended base = to_number(view.substr(base_begin, caret - base_begin));
  const Extended exponent = to_number(view.substr(caret + 1, exponent_end - caret - 1));
  s.replace(base_begin, exponent_end - base_begin, write_back(power(base, exponent)));
}

bool keeps_parentheses(std::string_view inner) {
  return inner.find_first_of("*/+,") != std::string_view::npos ||
         inner.find('-', 1) != std::string_view::npos ||
         std::count(inner.begin(), inner.end(), '-') >= 2;
}

void group_stage(std::string& s, size_t close, FormulaHost& host) {
  size_t open = close;
  do {
    if (open == 0) throw PassFailed{};  // a ")" with no "(" to its left
    --open;
    host.let_messages_run();
  } while (s[open] != '(');

  const std::string inner =
      gs_step(std::string_view(s).substr(open + 1, close - open - 1), true, host);
  const bool function_argument = open > 0 && is_upper_letter(s[open - 1]);
  const std::string piece =
      function_argument || keeps_parentheses(inner) ? "(" + inner + ")" : inner;

  s.erase(open, close + 1 - open);
  // Checked on the text without the group: a number on either side of it is glued to it.
  check_no_glued_number(s, open, open);
  s.insert(open, piece);
}

// The text has no ")": one multiplication or division, else one addition or subtraction.
void operator_stage(std::string& s, FormulaHost& host) {
  size_t op = s.find_first_of("*/");
  if (op == std::string::npos) {
    const size_t plus = s.find('+');
    const size_t minus = s.find('-', 1);
    if (plus == std::string::npos && minus == std::string::npos) return;  // a bare number
    op = std::min(plus, minus);
  }

  size_t left = op;
  while (left > 0 && is_number_char(s[left - 1])) --left;
  if (left > 0 && s[left - 1] == '-' && (left == 1 || opens_operand(s[left - 2]))) --left;
  const size_t right = run_end(s, op + 1 < s.size() && s[op + 1] == '-' ? op + 2 : op + 1);
  // An operand that is still the base or the exponent of a power waits for the power stage of
  // a later pass: 2^2+2^2 is 4+2^2, then 4+4, never 6^2.
  if ((left > 0 && s[left - 1] == '^') || (right < s.size() && s[right] == '^')) return;

  const std::string_view view(s);
  const Extended a = to_number(view.substr(left, op - left));
  const Extended b = to_number(view.substr(op + 1, right - op - 1));
  Extended value = 0;
  switch (s[op]) {
    case '*':
      value = a * b;
      break;
    case '/':
      if (b == 0) {
        host.divide_by_zero_reset();  // the quotient is taken as 0 and the pass goes on
      } else {
        value = a / b;
      }
      break;
    case '+':
      value = a + b;
      break;
    default:
      value = a - b;
      break;
  }
  if (!std::isfinite(value)) throw PassFailed{};
  s.replace(left, right - left, write_back(value));
}

std::string clean(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c == ' ') continue;
    s.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  return s;
}

}  // namespace

std::string gs_step(std::string_view text, bool show_messages, FormulaHost& host) {
  std::string s = clean(text);
  try {
    function_stage(s, host);
    root_stage(s);
    power_stage(s);
    if (const size_t close = s.find(')'); close != std::string::npos) {
      group_stage(s, close, host);
    } else {
      operator_stage(s, host);
    }
  } catch (const PassFailed&) {
    if (show_messages) show_formula_error(host, kInvalidExpressionMessage);
    return std::string(kInvalidExpression);
  }
  return s;
}

}  // namespace orvanta
