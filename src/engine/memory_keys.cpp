// The memory register: M÷ M× M− M+ MC MR MS (decimal only, left button, no voice).
#include "engine/binary_ops.h"
#include "engine/calculator.h"
#include "numeric/number_text.h"

namespace orvanta {

void Calculator::memory_key(MouseButton b, PendingOp op) {
  if (b != MouseButton::Left || state_.calc_base != NumberBase::Dec) return;
  key_work([&] {
    auto& st = state_;
    const std::string shown = fix_text(st.cur_value);
    frame_.lights.mem_on = true;
    const Extended m = st.mem_value;
    const Extended x = st.cur_value;
    // M÷ leaves the register alone unless both are non-zero. A result beyond the range or
    // undefined leaves it alone too and takes the error step.
    if (op != PendingOp::Divide || (m != 0 && x != 0))
      st.mem_value = binary_result(op, m, x, false);
    // The number on the LCD becomes a finished operand.
    st.acc_text = shown;
    st.entry_text.clear();
  });
}

void Calculator::mdiv(MouseButton b) {
  memory_key(b, PendingOp::Divide);
}
void Calculator::msum(MouseButton b) {
  memory_key(b, PendingOp::Multiply);
}
void Calculator::msub(MouseButton b) {
  memory_key(b, PendingOp::Subtract);
}
void Calculator::madd(MouseButton b) {
  memory_key(b, PendingOp::Add);
}

void Calculator::mc(MouseButton b) {
  if (b != MouseButton::Left || state_.calc_base != NumberBase::Dec) return;
  key_work([&] {
    frame_.lights.mem_on = false;
    state_.mem_value = 0;
  });
}

void Calculator::mr(MouseButton b) {
  if (b != MouseButton::Left || state_.calc_base != NumberBase::Dec) return;
  key_work([&] {
    auto& st = state_;
    st.cur_value = st.mem_value;
    st.entry_text = fix_text(st.mem_value);
    qel_play(st.mem_value == 0 ? std::string("0.") : fix_text(st.mem_value));
    // So MR + 5 = adds 5 to the memory value.
    st.acc_text = general_text(st.mem_value);
    st.entry_text.clear();
  });
}

void Calculator::ms(MouseButton b) {
  if (b != MouseButton::Left || state_.calc_base != NumberBase::Dec) return;
  key_work([&] {
    frame_.lights.mem_on = true;
    state_.mem_value = state_.cur_value;
    state_.entry_text = fix_text(state_.cur_value);
    state_.entry_stored = true;
  });
}

}  // namespace orvanta
