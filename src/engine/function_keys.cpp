// The function keys of the left half of the face: they apply a function to the number on
// the LCD at once (decimal only), plus the y-power, integer, pi and angle-unit keys.
#include <cmath>

#include "engine/binary_ops.h"
#include "engine/calculator.h"
#include "numeric/base_conversion.h"
#include "numeric/calc_error.h"
#include "numeric/integer_ops.h"
#include "numeric/number_text.h"

namespace orvanta {

namespace {

// Largest value (exclusive) the square and percent keys take.
constexpr Extended kSquareLimit = 99999999999999.0L;
constexpr Extended kDegreesPerRadian = 57.29577951308232087665L;
constexpr Extended kRadiansPerDegree = 0.01745329251994329577L;
constexpr std::string_view kPiText = "3.1415926535897932384626433832795";

}  // namespace

// The result becomes the entry, as if typed: an operator uses it, a digit is appended to it.
void Calculator::show_result(Extended result) {
  state_.cur_value = result;
  state_.entry_text = fix_text(result);
  Extended check = 0;
  if (!std::isfinite(result) || !try_parse_number(state_.entry_text, check)) {
    throw CalcError("the result does not read as a number");
  }
  qel_play(state_.entry_text);
}

void Calculator::trig_key(MouseButton b, TrigKey key) {
  if (state_.calc_base != NumberBase::Dec || b == MouseButton::Middle) return;
  key_work([&] {
    const auto result =
        trig_key_result(key, b == MouseButton::Right, state_.cur_value, options_.degrees);
    if (result) show_result(*result);
  });
}

void Calculator::Ksin(MouseButton b) {
  trig_key(b, TrigKey::Sin);
}
void Calculator::kcos(MouseButton b) {
  trig_key(b, TrigKey::Cos);
}
void Calculator::ktan(MouseButton b) {
  trig_key(b, TrigKey::Tan);
}
void Calculator::kcot(MouseButton b) {
  trig_key(b, TrigKey::Cot);
}
void Calculator::ksec(MouseButton b) {
  trig_key(b, TrigKey::Sec);
}
void Calculator::kcsc(MouseButton b) {
  trig_key(b, TrigKey::Csc);
}
void Calculator::ksinh(MouseButton b) {
  trig_key(b, TrigKey::Sinh);
}
void Calculator::kcosh(MouseButton b) {
  trig_key(b, TrigKey::Cosh);
}
void Calculator::ktanh(MouseButton b) {
  trig_key(b, TrigKey::Tanh);
}
void Calculator::kcoth(MouseButton b) {
  trig_key(b, TrigKey::Coth);
}
void Calculator::ksech(MouseButton b) {
  trig_key(b, TrigKey::Sech);
}
void Calculator::kcsch(MouseButton b) {
  trig_key(b, TrigKey::Csch);
}

void Calculator::kpf(MouseButton b) {
  if (state_.calc_base != NumberBase::Dec || b == MouseButton::Middle) return;
  key_work([&] {
    const Extended x = state_.cur_value;
    if (b == MouseButton::Right) {
      if (x < 0) throw CalcError("square root of a negative number");
      show_result(std::sqrt(x));
    } else if (x < kSquareLimit) {
      show_result(checked(x * x));
    } else {
      say("se");
    }
  });
}

void Calculator::kycf(MouseButton b) {
  if (state_.calc_base != NumberBase::Dec || b == MouseButton::Middle) return;
  if (b == MouseButton::Left && in_chain(PendingOp::Power)) {
    arithmetic_key(b, PendingOp::Power);
  } else {
    operand_key(b == MouseButton::Left ? PendingOp::Power : PendingOp::Root, false);
  }
}

void Calculator::klog(MouseButton b) {
  if (state_.calc_base != NumberBase::Dec || b != MouseButton::Left) return;
  key_work([&] {
    if (state_.cur_value <= 0) throw CalcError("logarithm of a non-positive number");
    show_result(std::log10(state_.cur_value));
  });
}

void Calculator::kds(MouseButton b) {
  if (state_.calc_base != NumberBase::Dec || b != MouseButton::Left) return;
  key_work([&] {
    if (state_.cur_value == 0) throw CalcError("division by zero");
    show_result(checked(1 / state_.cur_value));
  });
}

void Calculator::kjc(MouseButton b) {
  if (state_.calc_base != NumberBase::Dec || b != MouseButton::Left) return;
  key_work([&] {
    const std::int32_t n = low32(round_to_int64(state_.cur_value));
    Extended result = 1;
    // The product leaves the extended range after 1754!; stop there instead of running on.
    for (std::int32_t k = 2; k <= n && std::isfinite(result); ++k) result *= k;
    show_result(checked(result));
  });
}

void Calculator::kbfh(MouseButton b) {
  if (state_.calc_base != NumberBase::Dec || b != MouseButton::Left) return;
  key_work([&] {
    const Extended x = state_.cur_value;
    if (!(x < kSquareLimit)) {
      say("se");
      return;
    }
    // With an operand typed, the percentage of the first operand: 200 + 5 % gives 10.
    const Extended base = state_.entry_text.empty() ? x : parse_number(state_.acc_text);
    show_result(checked(x / 100 * base));
  });
}

void Calculator::kint(MouseButton b) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    state_.formula_head.clear();
    show_welcome();
    if (state_.calc_base != NumberBase::Dec) return;
    const std::int32_t n = low32(truncate_to_int64(parse_number(state_.shown_text)));
    const std::string text = std::to_string(n);
    qel_play(text);
    state_.entry_text = text;
    state_.pending_op = PendingOp::None;
  });
}

void Calculator::pi(MouseButton b) {
  if (b == MouseButton::Right) {
    ports_.constants.show_constants_table();
    return;
  }
  if (b != MouseButton::Left) return;
  key_work([&] {
    ports_.constants.hide_constants_table();
    if (state_.calc_base != NumberBase::Dec) return;
    state_.entry_text = kPiText;
    state_.cur_value = kPi;
    qel_play(state_.entry_text);
    state_.is_negative = false;
    finish_new_number();
  });
}

void Calculator::jd_hd(MouseButton b) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    // Outside decimal the unit stays (and is stored as it is).
    if (state_.calc_base != NumberBase::Dec) {
      change_option(SettingId::DeviceAngle, options_.degrees);
      return;
    }
    change_option(SettingId::DeviceAngle, !options_.degrees);
    const Extended factor = options_.degrees ? kDegreesPerRadian : kRadiansPerDegree;
    const Extended result = checked(state_.cur_value * factor);
    state_.entry_text = fix_text(result);
    state_.cur_value = result;
    qel_play(state_.entry_text);
    state_.is_negative = false;
    finish_new_number();
  });
}

}  // namespace orvanta
