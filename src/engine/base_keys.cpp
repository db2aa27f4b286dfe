// Base switching and the bit keys: remainder, AND, OR, XOR, NOT and the two shifts.
#include <cstdint>

#include "engine/calculator.h"
#include "numeric/base_conversion.h"
#include "numeric/integer_ops.h"
#include "numeric/number_text.h"

namespace orvanta {

namespace {

// Strip positions by the click's y inside the 59-pixel strip.
constexpr int kStripHexEnd = 15;
constexpr int kStripDecEnd = 30;
constexpr int kStripOctEnd = 45;
constexpr int kStripBinEnd = 59;

// NOT outside decimal: the complement within 14 bits, or within the number's own bit length
// when that is longer.
constexpr std::size_t kNotBits = 14;

std::string complement_bits(std::string bits) {
  for (char& ch : bits) ch = ch == '0' ? '1' : '0';
  if (bits.size() < kNotBits && bits.starts_with('0')) {
    bits.insert(0, kNotBits - bits.size(), '1');
  }
  bits.erase(0, bits.find_first_not_of('0'));
  return bits;
}

}  // namespace

void Calculator::switch_base(NumberBase target) {
  auto& st = state_;
  const NumberBase old_base = st.calc_base;
  // Convert before anything changes, so a number that cannot be converted leaves the base.
  const auto convert = [&](const std::string& text) {
    if (old_base == target) return text;
    const std::string decimal = to_decimal(text, old_base);
    if (target != NumberBase::Dec) return from_decimal(decimal, target);
    // Decimal shows a value from 1E18 up as it shows its results, in the exponent form.
    Extended value = 0;
    const bool large =
        try_parse_number(decimal, value) && fix_text(value).find('E') != std::string::npos;
    return large ? fix_text(value) : decimal;
  };
  const std::string converted = convert(st.shown_text);
  // With nothing pending the operand is the last result; it follows into the new base so the
  // next operation never reads digits of the old one.
  const std::string converted_acc =
      st.pending_op == PendingOp::None && !st.acc_text.empty() ? convert(st.acc_text) : "";
  ports_.base_strip.show_base_strip(target);
  st.calc_base = target;
  show_angle_lights();
  if (old_base != target) {
    qel_play(converted);
    st.entry_base = target;
    // cur_value follows the number now shown, in every base.
    st.cur_value = parse_number(to_decimal(st.shown_text, target));
  }
  // The error mark left by a fault is no number to take over.
  const std::string shown =
      is_number_of_base(st.shown_text, st.calc_base) ? st.shown_text : std::string();
  st.entry_text = shown == "0." ? std::string() : shown;
  // The converted number becomes the first operand of a pending operation.
  if (st.pending_op != PendingOp::None) {
    st.acc_text = shown;
    st.entry_text.clear();
  } else {
    st.acc_text = converted_acc;
  }
  strip_rest();
}

void Calculator::strip_rest() {
  if (state_.shown_text == "0.") return;
  state_.formula_head.clear();
  show_welcome();
}

void Calculator::base_button(MouseButton b, NumberBase base) {
  if (b != MouseButton::Left) return;
  key_work([&] { switch_base(base); });
}

void Calculator::Khex_on(MouseButton b) {
  base_button(b, NumberBase::Hex);
}
void Calculator::kden_on(MouseButton b) {
  base_button(b, NumberBase::Dec);
}
void Calculator::kocx_on(MouseButton b) {
  base_button(b, NumberBase::Oct);
}
void Calculator::kbin_on(MouseButton b) {
  base_button(b, NumberBase::Bin);
}

void Calculator::Image5(MouseButton b, int y) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    if (y >= 1 && y <= kStripHexEnd) {
      switch_base(NumberBase::Hex);
    } else if (y > kStripHexEnd && y <= kStripDecEnd) {
      switch_base(NumberBase::Dec);
    } else if (y > kStripDecEnd && y <= kStripOctEnd) {
      switch_base(NumberBase::Oct);
    } else if (y > kStripOctEnd && y <= kStripBinEnd) {
      switch_base(NumberBase::Bin);
    } else {
      strip_rest();
    }
  });
}

void Calculator::kmod(MouseButton b) {
  if (b == MouseButton::Left) operand_key(PendingOp::Remainder, true);
}
void Calculator::kand(MouseButton b) {
  if (b == MouseButton::Left) operand_key(PendingOp::And, true);
}
void Calculator::kor(MouseButton b) {
  if (b == MouseButton::Left) operand_key(PendingOp::Or, true);
}
void Calculator::kxor(MouseButton b) {
  if (b == MouseButton::Left) operand_key(PendingOp::Xor, true);
}

void Calculator::knot(MouseButton b) {
  if (b != MouseButton::Left) return;
  key_work([&] {
    auto& st = state_;
    st.formula_head.clear();
    show_welcome();
    std::string result;
    if (st.calc_base == NumberBase::Dec) {
      const std::int32_t n = low32(round_to_int64(parse_number(st.shown_text)));
      result = fix_text(static_cast<Extended>(~n));
    } else {
      const std::string decimal = to_decimal(st.shown_text, st.calc_base);
      // Zero has no binary digits to flip ("0."): its complement is all 14 bits set.
      const std::string bits =
          parse_number(decimal) == 0 ? std::string(kNotBits, '0') : dec_to_bin(decimal);
      result = from_decimal(bin_to_dec(complement_bits(bits)), st.calc_base);
    }
    st.entry_text = as_entry_text(result, st.calc_base);
    qel_play(result);
    st.pending_op = PendingOp::None;
  });
}

void Calculator::shift_key(MouseButton b, bool left) {
  if (b == MouseButton::Left) {
    operand_key(left ? PendingOp::ShiftLeft : PendingOp::ShiftRight, false);
    return;
  }
  if (b != MouseButton::Right) return;
  // Right button: shift the number once.
  key_work([&] {
    auto& st = state_;
    enter();
    const std::string entry = to_decimal(st.entry_text, st.calc_base);
    const std::string acc = to_decimal(st.acc_text, st.calc_base);
    Extended v = 0;
    if (!acc.empty() && acc != "0" && acc != "0.") {
      v = parse_number(acc);
    } else if (!try_parse_number(entry, v)) {
      v = 0;
    }
    const auto bits = static_cast<std::uint64_t>(round_to_int64(v));
    const Extended n = left ? static_cast<Extended>(static_cast<std::int64_t>(bits << 1))
                            : static_cast<Extended>(bits >> 1);
    st.cur_value = n;
    const std::string result = from_decimal(decimal_text_for(n, st.calc_base), st.calc_base);
    st.entry_text = as_entry_text(result, st.calc_base);
    st.acc_text = st.entry_text;
    qel_play(result);
    st.pending_op = PendingOp::None;
  });
}

void Calculator::k_shl(MouseButton b) {
  shift_key(b, true);
}
void Calculator::k_shr(MouseButton b) {
  shift_key(b, false);
}

}  // namespace orvanta
