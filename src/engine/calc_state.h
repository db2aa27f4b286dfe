#pragma once
// The one calculator state record, shared by every key handler, the display, the voice, the
// formula parts and the tools.
#include <string>

#include "numeric/extended.h"
#include "numeric/number_base.h"
#include "settings/options.h"

namespace orvanta {

// The binary operation waiting for its second operand, in the order of its stored codes (0 none,
// 1 add, ..., 12 shift right).
enum class PendingOp {
  None,
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,
  Root,
  Remainder,
  Or,
  And,
  Xor,
  ShiftLeft,
  ShiftRight,
};

struct CalcState {
  // The number being typed, in the digits of entry_base; empty after an operator or equals
  // consumed it (an empty text is not "0").
  std::string entry_text = "0";
  // First operand of the pending operation, or the last result, in the digits of calc_base.
  std::string acc_text;
  // What the LCD last showed, after precision rounding, before thousands separators.
  std::string shown_text;
  Extended cur_value = 0;
  Extended mem_value = 0;
  PendingOp pending_op = PendingOp::None;
  // Set by equals only: the next digit starts a new number and discards acc_text.
  bool new_number = false;
  bool has_point = false;
  // MS left the stored number as the entry: the next digit or point starts a new number (any
  // display in between ends this).
  bool entry_stored = false;
  // The number on the LCD carries a minus sign.
  bool is_negative = false;
  NumberBase calc_base = NumberBase::Dec;
  // Base of entry_text; differs from calc_base only in the middle of a base switch.
  NumberBase entry_base = NumberBase::Dec;
  // The chain of the formula bar; ends with an operator sign while an operation is pending.
  std::string formula_head;
  // The current operand as decimal text, shown after formula_head.
  std::string formula_tail;
  // What the formula bar shows at rest.
  std::string welcome_text = std::string(kDefaultWelcomeText);
  // Equals is running; also marks the display of a final result for the output below.
  bool equals_busy = false;
  // The completion of a pending operation found an operand missing.
  bool nothing_computed = false;
  // The next display leaves the formula bar unchanged.
  bool keep_formula_once = false;
  std::string unit_source_text;
  int unit_category = 0;
};

}  // namespace orvanta
