#pragma once
// What the big-number panel's fields do to the formula panel: typing in an operand field makes
// the working formula follow the formula panel's input field, a change of the result field
// makes it follow its result field, and Enter in an operand field runs its "计 算" — as the
// formula panel's own fields do. The formula feature offers them; the big-number panel uses them.
// The history tape opens the formula panel with a line's formula.
#include <functional>
#include <string_view>

namespace orvanta::win32 {

struct FormulaLinks {
  std::function<void()> on_operand_change;
  std::function<void()> on_result_change;
  std::function<void()> on_enter;
  std::function<void(std::string_view formula)> open_with;
};

}  // namespace orvanta::win32
