#pragma once
// The formula panel's evaluation, without its window: normalise, then passes of gs_step until
// a bare number, the error text, one pass in single-step mode, or the pass limit.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "formula/formula_host.h"
#include "numeric/extended.h"

namespace orvanta {

inline constexpr int kMaxFormulaPasses = 256;
// Shown (caption "错误！") when a formula is still not a number after kMaxFormulaPasses.
inline constexpr std::string_view kPassLimitMessage =
    "输入的表达式无效或含有无效字符！请仔细检查！";

// The panel's test for a finished formula: every character from the second on is a digit or a
// point. (The first may be anything, usually a digit or "-".)
bool is_bare_number(std::string_view text);

// The text still holds an operation for the evaluator: + * / or a "-" after its first
// character, and also a power, a group or a function call, which the bare operator test of
// the loops that call gs_step would miss.
bool holds_operation(std::string_view text);

// Passes of gs_step with messages off while the text holds an operation, at most
// kMaxFormulaPasses: the final text, or none when a pass fails or stops changing the text
// (scientific equals and the grab of a selection run their formulas so).
std::optional<std::string> run_passes(std::string text, FormulaHost& host);

struct FormulaRun {
  // False when nothing was evaluated (empty working formula, or the brackets were refused):
  // out_gs keeps its text.
  bool evaluated = false;
  // The new text of out_gs (also the new working formula).
  std::string out_text;
  int passes = 0;
  // Set when out_text is a plain number (digits and a point after an optional "-"); the
  // calculator takes it as its entry (Calculator::take_formula_result).
  std::optional<std::string> number_text;
  Extended number = 0;
  // The working formula was more than a number before this run: a number evaluated again (the
  // result calculated once more) computes nothing.
  bool computed = false;
};

// The panel's working formula and its evaluation. The window keeps one of these: it calls
// set_working_formula when input_gs changes or the single-step box is clicked (with the input
// text) and when out_gs changes (with its text, or the input text when out_gs is empty), and
// calculate on "计 算" or Enter. In single-step mode each calculate is exactly one pass,
// continuing from the working formula that the previous click left.
class FormulaPanel {
 public:
  void set_working_formula(std::string text) { working_ = std::move(text); }
  const std::string& working_formula() const { return working_; }

  FormulaRun calculate(bool single_step, FormulaHost& host);

 private:
  std::string working_;
};

}  // namespace orvanta
