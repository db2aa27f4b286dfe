// Number entry: digits, hexadecimal digits, point, sign, backspace, CE and C.
#include <cmath>

#include "engine/calculator.h"
#include "numeric/base_conversion.h"
#include "numeric/number_text.h"

namespace orvanta {

namespace {

constexpr std::size_t kMaxEntry = 14;
// With thousands separators the eleventh character is the last (it shows as 14 cells).
constexpr std::size_t kMaxEntryWithSeparators = 11;

bool digit_allowed(char digit, NumberBase base) {
  switch (base) {
    case NumberBase::Bin:
      return digit <= '1';
    case NumberBase::Oct:
      return digit <= '7';
    default:
      return true;
  }
}

bool is_zero_or_empty(std::string_view text) {
  return text.empty() || text == "0";
}

}  // namespace

// The value of entry_text in the base it is written in (octal and binary included).
Extended Calculator::entry_value() const {
  return parse_number(to_decimal(state_.entry_text, state_.entry_base));
}

// After equals the first digit, point or sign starts a new calculation.
void Calculator::finish_new_number() {
  if (!state_.new_number) return;
  state_.new_number = false;
  state_.acc_text.clear();
}

// After equals or MS the number shown is finished, whatever it was (a result, or an entry that
// equals had nothing to compute with): the next digit or point starts a new number.
void Calculator::start_new_entry() {
  if (!state_.entry_stored && !state_.new_number) return;
  state_.entry_stored = false;
  state_.entry_text.clear();
  state_.has_point = false;
  state_.is_negative = false;
}

void Calculator::digit_key(MouseButton b, char digit) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    auto& entry = state_.entry_text;
    if (!digit_allowed(digit, state_.calc_base) || (digit == '0' && entry == "0")) return;
    start_new_entry();
    const bool decimal = state_.calc_base == NumberBase::Dec;
    if (options_.thousands && decimal && entry.size() >= kMaxEntryWithSeparators) return;
    if (entry.size() < kMaxEntry) {
      if (entry == "0") entry.clear();
      entry += digit;
      state_.cur_value = entry_value();
      qel_play(entry, Shown::Typed);
      say(std::string(1, digit));
    }
    finish_new_number();
  });
}

void Calculator::hex_digit_key(MouseButton b, char digit) {
  if (b != MouseButton::Left || state_.calc_base != NumberBase::Hex) return;
  key_work([&] {
    start_new_entry();
    auto& entry = state_.entry_text;
    if (entry.size() < kMaxEntry) {
      if (entry == "0") entry.clear();
      entry += digit;
      state_.cur_value = entry_value();
      qel_play(entry, Shown::Typed);
    }
    finish_new_number();
  });
}

void Calculator::k0(MouseButton b) {
  digit_key(b, '0');
}
void Calculator::k1(MouseButton b) {
  digit_key(b, '1');
}
void Calculator::k2(MouseButton b) {
  digit_key(b, '2');
}
void Calculator::k3(MouseButton b) {
  digit_key(b, '3');
}
void Calculator::k4(MouseButton b) {
  digit_key(b, '4');
}
void Calculator::k5(MouseButton b) {
  digit_key(b, '5');
}
void Calculator::k6(MouseButton b) {
  digit_key(b, '6');
}
void Calculator::k7(MouseButton b) {
  digit_key(b, '7');
}
void Calculator::k8(MouseButton b) {
  digit_key(b, '8');
}
void Calculator::k9(MouseButton b) {
  digit_key(b, '9');
}
void Calculator::ka(MouseButton b) {
  hex_digit_key(b, 'A');
}
void Calculator::kb(MouseButton b) {
  hex_digit_key(b, 'B');
}
void Calculator::kc(MouseButton b) {
  hex_digit_key(b, 'C');
}
void Calculator::kd(MouseButton b) {
  hex_digit_key(b, 'D');
}
void Calculator::ke(MouseButton b) {
  hex_digit_key(b, 'E');
}
void Calculator::kf(MouseButton b) {
  hex_digit_key(b, 'F');
}

void Calculator::kp(MouseButton b) {
  if (b != MouseButton::Left || state_.calc_base != NumberBase::Dec) return;
  key_work([&] {
    start_new_entry();
    auto& entry = state_.entry_text;
    if (options_.thousands && entry.size() >= kMaxEntryWithSeparators) return;
    // The point counts toward the 14 characters like a digit.
    if (entry == "-" || state_.has_point || entry.size() >= kMaxEntry) return;
    if (entry.empty()) {
      entry = "0.";
    } else {
      entry += '.';
    }
    state_.has_point = true;
    state_.cur_value = entry_value();
    qel_play(entry, Shown::Typed);
    say(".");
    finish_new_number();
  });
}

void Calculator::kzf(MouseButton b) {
  if (b != MouseButton::Left || state_.calc_base != NumberBase::Dec) return;
  key_work([&] {
    auto& entry = state_.entry_text;
    if (!is_zero_or_empty(entry) && !state_.is_negative && entry[0] != '-') {
      entry.insert(entry.begin(), '-');
      if (state_.cur_value != 0) state_.cur_value = -state_.cur_value;
      state_.is_negative = true;
      qel_play(entry, Shown::Typed);
      say("-");
      // A number equals left on the LCD stays finished: the next digit starts a new one.
    } else if (!is_zero_or_empty(entry) && state_.is_negative) {
      entry.erase(0, 1);
      state_.cur_value = std::fabs(state_.cur_value);
      state_.is_negative = false;
      qel_play(entry, Shown::Typed);
    }
    // With no operand typed and no arithmetic pending the sign applies to the result.
    const bool operation_pending =
        state_.pending_op >= PendingOp::Add && state_.pending_op <= PendingOp::Xor;
    auto& acc = state_.acc_text;
    if (operation_pending || !entry.empty() || is_zero_or_empty(acc) || acc == "0.") return;
    if (!state_.is_negative && acc[0] != '-') {
      acc.insert(acc.begin(), '-');
      if (state_.cur_value != 0) state_.cur_value = -state_.cur_value;
      state_.is_negative = true;
      qel_play(acc);
      say("-");
    } else if (state_.is_negative) {
      acc.erase(0, 1);
      state_.cur_value = std::fabs(state_.cur_value);
      state_.is_negative = false;
      qel_play(acc);
    }
  });
}

void Calculator::tg(MouseButton b) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    auto& entry = state_.entry_text;
    // A number equals showed is finished, as a result is: nothing to take back.
    if (entry.empty() || state_.new_number) return;
    const char last = entry.back();
    // A lone sign is never left behind.
    if (entry.size() == 2 && entry.find('-') != std::string::npos) {
      entry.clear();
    } else {
      entry.pop_back();
    }
    if (last == '.') state_.has_point = false;
    state_.formula_tail = entry;
    qel_play(entry.empty() ? std::string_view("0.") : std::string_view(entry), Shown::Typed);
    if (entry.empty()) entry = "0";
    state_.cur_value = entry_value();
  });
}

void Calculator::ce(MouseButton b) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    state_.cur_value = 0;
    qel_play("0.");
    state_.entry_text = "0";
    if (!is_zero_or_empty(state_.acc_text)) {
      if (state_.formula_head.empty()) {
        show_welcome();
      } else {
        show_in_formula_bar(state_.formula_head);
      }
    } else {
      state_.formula_head.clear();
      state_.formula_tail.clear();
      show_welcome();
    }
    state_.has_point = false;
    state_.is_negative = false;
    say("ce");
  });
}

void Calculator::c(MouseButton b) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    reset_calculation();
    say("c");
  });
}

}  // namespace orvanta
