// The operator keys, `enter` that completes a pending operation, and equals.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>

#include "display/lcd_text.h"
#include "display/voice_tokens.h"
#include "engine/binary_ops.h"
#include "engine/calculator.h"
#include "engine/formula_text.h"
#include "formula/evaluator.h"
#include "formula/formula_panel.h"
#include "formula/normalise.h"
#include "numeric/base_conversion.h"
#include "numeric/number_text.h"

namespace orvanta {

namespace {

constexpr int kAfterEqualsMs = 430;
constexpr int kPerCharacterMs = 300;

struct ArithmeticKey {
  char sign;
  std::string_view token;      // empty: no clip
  bool LcdIndicators::*light;  // nullptr: no light
};

ArithmeticKey arithmetic_key_of(PendingOp op) {
  switch (op) {
    case PendingOp::Power:
      return {'^', {}, nullptr};
    case PendingOp::Add:
      return {'+', "+", &LcdIndicators::add_on};
    case PendingOp::Subtract:
      return {'-', "_", &LcdIndicators::sub_on};
    case PendingOp::Multiply:
      return {'*', "*", &LcdIndicators::sum_on};
    default:
      return {'/', "/", &LcdIndicators::div_on};
  }
}

std::string without_blanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

bool is_number_char(char c) {
  return (c >= '0' && c <= '9') || c == '.';
}

// Results from 1E18 up reach the chain in the calculator's exponent form ("1E20+1"); the
// evaluator reads numbers in plain digits only, so each such number is rewritten as the value
// it stands for. A run glued to a letter (part of a name) stays as it is.
std::string plain_exponents(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const bool starts_number = is_number_char(text[i]) &&
                               (i == 0 || !std::isalpha(static_cast<unsigned char>(text[i - 1])));
    if (!starts_number) {
      out += text[i++];
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && is_number_char(text[end])) ++end;
    std::size_t exponent_end = end;
    if (end + 1 < text.size() && text[end] == 'E') {
      std::size_t digits = text[end + 1] == '-' ? end + 2 : end + 1;
      const std::size_t first_digit = digits;
      while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
      if (digits > first_digit) exponent_end = digits;
    }
    Extended value = 0;
    if (exponent_end > end && try_parse_number(text.substr(i, exponent_end - i), value)) {
      out += plain_text(value);
    } else {
      out.append(text, i, exponent_end - i);
    }
    i = exponent_end;
  }
  return out;
}

// An operation of two operands as a tape writes it, in the operands' own digits.
std::string operation_text(PendingOp op, std::string_view a, std::string_view b) {
  const auto named = [&](std::string_view name) {
    return std::string(a) + " " + std::string(name) + " " + std::string(b);
  };
  switch (op) {
    case PendingOp::None:
      return std::string(b);
    case PendingOp::Add:
    case PendingOp::Subtract:
    case PendingOp::Multiply:
    case PendingOp::Divide:
    case PendingOp::Power:
      return std::string(a) + arithmetic_key_of(op).sign + std::string(b);
    case PendingOp::Root:
      // The formula panel's form: the b-th root of a.
      return "SQRT(" + std::string(a) + "," + std::string(b) + ")";
    case PendingOp::Remainder:
      return named("Mod");
    case PendingOp::Or:
      return named("Or");
    case PendingOp::And:
      return named("And");
    case PendingOp::Xor:
      return named("Xor");
    case PendingOp::ShiftLeft:
      return named("Shl");
    case PendingOp::ShiftRight:
      return named("Shr");
  }
  return std::string(b);
}

std::string without_trailing_point(std::string text) {
  if (text.ends_with('.') && text.size() > 1) text.pop_back();
  return text;
}

}  // namespace

void Calculator::enter() {
  hide_operator_lights();
  auto& st = state_;
  if (st.acc_text.empty() || st.entry_text.empty()) {
    st.nothing_computed = true;
    return;
  }
  // The operands as decimal texts. The fields keep their own base until the result replaces
  // them: an unfinished scientific chain computes nothing and must leave them as they were.
  const std::string entry = to_decimal(st.entry_text, st.calc_base);
  std::string acc = to_decimal(st.acc_text, st.calc_base);
  if (!acc.empty() && acc.back() == '.') acc.pop_back();

  Extended result = 0;
  std::string operation;
  if (in_chain(st.pending_op)) {
    const std::optional<Extended> value = scientific_value();
    if (!value) return;
    result = *value;
  } else {
    result =
        binary_result(st.pending_op, parse_number(acc), parse_number(entry), acc.starts_with('-'));
    const bool decimal = st.calc_base == NumberBase::Dec;
    operation = operation_text(st.pending_op, decimal ? acc : without_trailing_point(st.acc_text),
                               without_trailing_point(decimal ? entry : st.entry_text));
  }
  // Decimal results keep 15 significant digits; the other bases hold integers of up to 64 bits,
  // which the 80-bit value carries exactly.
  result = checked(result);
  if (st.calc_base == NumberBase::Dec) result = round15(result);

  st.is_negative = result < 0;
  st.acc_text = from_decimal(decimal_text_for(result, st.calc_base), st.calc_base);
  st.entry_text.clear();
  st.cur_value = result;
  // With no pending operation the number typed is taken as it is: nothing was calculated.
  if (in_chain(st.pending_op) || st.pending_op != PendingOp::None) {
    computed_since_result_ = true;
    last_operation_ = std::move(operation);
  }
  qel_play(st.acc_text);
  st.has_point = false;
}

// Scientific mode evaluates the whole chain of the formula bar, so precedence holds.
// nullopt: the chain is unfinished or its brackets were refused; nothing is computed.
std::optional<Extended> Calculator::scientific_value() {
  std::string text = without_blanks(bar_text_);
  if (text.empty()) text = "0";
  if (ends_with_operator(text)) return std::nullopt;
  std::optional<std::string> normalised = gs_normalise(text, host_);
  if (!normalised) return std::nullopt;
  // Bounded like the formula panel: a text that never becomes a number must not hang equals.
  const std::optional<std::string> done = run_passes(plain_exponents(*normalised), host_);
  // What is left must be a number; a word such as the infinity "INF" is no result.
  Extended value = 0;
  if (done && try_parse_number(*done, value) && std::isfinite(value)) return value;
  // The 0 shown after the message is no result to type into another program.
  result_to_send_.reset();
  show_formula_error(host_, kPassLimitMessage);
  return 0;
}

void Calculator::arithmetic_key(MouseButton b, PendingOp op) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    auto& st = state_;
    const ArithmeticKey key = arithmetic_key_of(op);
    enter();
    st.pending_op = op;
    // Right after equals scientific mode goes on from the result, not from the finished
    // formula, which it would otherwise evaluate again (1+2= then *3= must give 9); normal mode
    // computes in the order of input, so its chain goes on from the head (1+2*3).
    if (st.new_number && options_.science_mode) st.formula_head.clear();
    if (st.formula_head.empty()) st.formula_tail = decimal_text_for(st.cur_value, st.calc_base);
    st.formula_head += st.formula_tail;
    // Two operator keys in a row: the second sign replaces the first.
    if (ends_with_operator(st.formula_head)) st.formula_head.pop_back();
    st.formula_head += key.sign;
    show_in_formula_bar(op == PendingOp::Divide ? st.formula_head : st.formula_head + " ");
    st.formula_tail.clear();
    if (!key.token.empty()) say(key.token);
    if (key.light != nullptr) frame_.lights.*key.light = true;
    take_entry_as_operand();
  });
}

// The two-operand keys without a sign in the chain (power, root, remainder, logic, shifts).
void Calculator::operand_key(PendingOp op, bool rests_formula_bar) {
  key_work([&] {
    auto& st = state_;
    enter();
    st.pending_op = op;
    if (rests_formula_bar) {
      st.formula_head.clear();
      show_welcome();
    }
    take_entry_as_operand();
  });
}

// Scientific mode computes + - * / and the power from the chain of the formula bar, so the
// evaluator's precedence holds for all of them; the other operations take the two operands.
bool Calculator::in_chain(PendingOp op) const {
  return options_.science_mode && (op <= PendingOp::Divide || op == PendingOp::Power);
}

void Calculator::take_entry_as_operand() {
  auto& st = state_;
  st.new_number = false;
  st.has_point = false;
  st.is_negative = false;
  if (!st.entry_text.empty()) st.acc_text = st.entry_text;
  st.entry_text.clear();
}

void Calculator::kadd(MouseButton b) {
  arithmetic_key(b, PendingOp::Add);
}
void Calculator::ksub(MouseButton b) {
  arithmetic_key(b, PendingOp::Subtract);
}
void Calculator::ksum(MouseButton b) {
  arithmetic_key(b, PendingOp::Multiply);
}
void Calculator::kdiv(MouseButton b) {
  arithmetic_key(b, PendingOp::Divide);
}

void Calculator::kdy(MouseButton b) {
  // A second equals during the read-out would start the voice twice over.
  if (b != MouseButton::Left || state_.equals_busy) return;
  guarded([&] {
    auto& st = state_;
    st.equals_busy = true;
    struct ClearBusy {
      Calculator& calc;
      ~ClearBusy() {
        calc.state_.equals_busy = false;
        calc.result_to_send_.reset();
      }
    } clear_busy{*this};

    // The chain of the formula bar is what was computed for + - * / (and, in scientific mode,
    // the power and a typed formula); the other operations leave the bar showing their last
    // operand.
    const bool chain_is_result = st.pending_op <= PendingOp::Divide || in_chain(st.pending_op);
    arm_result_output(chain_is_result);
    enter();
    if (!st.nothing_computed) {
      chain_is_result_ = chain_is_result;
    } else {
      // A redraw of the number shown. A chain still waiting for its operand was computed by
      // the operator keys; a finished one is the chain of the last equals.
      arm_result_output(ends_with_operator(st.formula_head) || chain_is_result_);
      if (!st.entry_text.empty()) {
        qel_play(st.entry_text);
      } else if (!st.acc_text.empty()) {
        qel_play(st.acc_text);
      }
      st.nothing_computed = false;
    }
    st.pending_op = PendingOp::None;
    st.new_number = true;
    if (divide_by_zero_shown_) return;
    // Equals is finished before it speaks, so a key pressed while it speaks finds it done.
    if (!st.formula_head.empty()) {
      st.formula_head = finished_chain(bar_text_);
      st.formula_tail.clear();
      show_in_formula_bar(st.formula_head);
    }
    if (options_.sound) speak_result();
  });
}

void Calculator::stop_read_out() {
  if (read_out_ == nullptr) return;
  read_out_->stopped = true;
  read_out_ = nullptr;
  // The key that stopped it is no second equals: equals is over for it.
  state_.equals_busy = false;
}

// "=" and, outside hexadecimal, the result character by character; each pause lets messages
// run, and a key handler coming in meanwhile stops the voice where it is.
void Calculator::speak_result() {
  ReadOut read_out;
  read_out_ = &read_out;
  struct EndReadOut {
    Calculator& calc;
    ReadOut& read_out;
    ~EndReadOut() {
      if (calc.read_out_ == &read_out) calc.read_out_ = nullptr;
    }
  } end_read_out{*this, read_out};

  splay("=");
  wait(kAfterEqualsMs);
  if (read_out.stopped || state_.calc_base == NumberBase::Hex) return;
  // The result read is the one shown, as its cells show it.
  std::string result = state_.shown_text;
  if (state_.calc_base == NumberBase::Dec) result = fit_to_cells(result, LcdFrame::kCells);
  // A clip longer than the pause (the exponent's words) is not cut off by the next one.
  for (const std::string& token : read_out_tokens(result)) {
    splay(token);
    wait(std::max(kPerCharacterMs, voice_clip_milliseconds(token)));
    if (read_out.stopped) return;
  }
}

}  // namespace orvanta
