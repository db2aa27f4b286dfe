#pragma once
// What the formula evaluator needs from whoever runs it: the window, the calculator engine,
// orvanta-sim or a test. The evaluator itself knows nothing of the calculator state.
#include <string_view>

#include "platform/message_boxes.h"

namespace orvanta {

// Shown in the formula bar by the division-by-zero reset.
inline constexpr std::string_view kDivideByZeroText = "错误!除数不能为零.";

struct FormulaHost {
  virtual ~FormulaHost() = default;

  // The main window's message boxes.
  virtual MessageBoxes& message_boxes() = 0;

  // A division by an exact zero was met; the evaluator goes on with a quotient of 0. The host
  // resets the calculator much as the C key does (cur_value 0, entry_text and acc_text "0",
  // formula_head and formula_tail empty, has_point and is_negative cleared, the LCD shows
  // "0.", operator lights untouched), puts kDivideByZeroText in the formula bar and speaks
  // "se" when sound is on.
  virtual void divide_by_zero_reset() = 0;

  // angle_degrees: true when trigonometric functions take and give degrees. Read at every
  // trigonometric reduction, so it may change between passes.
  virtual bool angle_degrees() const = 0;

  // Lets pending window messages run; called at every character of the leftward walk that
  // looks for a group's "(". Other handlers may run inside this call.
  virtual void let_messages_run() = 0;
};

// The evaluator's one kind of box: "错误！" with the error icon and an OK button.
inline void show_formula_error(FormulaHost& host, std::string_view text) {
  host.message_boxes().show("错误！", text, BoxIcon::Error, BoxButtons::Ok);
}

}  // namespace orvanta
