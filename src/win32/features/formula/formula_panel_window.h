#pragma once
// bds_js, the formula panel: a formula typed or pasted into "输入公式:" is evaluated at once or
// one pass per click ("单步求解"), its text shown in "计算结果：" and a final number put on the
// LCD.
#include <functional>
#include <string>
#include <string_view>

#include "formula/formula_host.h"
#include "formula/formula_panel.h"
#include "win32/panels/panel.h"

namespace orvanta::win32 {

class FormulaPanelWindow : public Panel {
 public:
  static constexpr int kLeft = 23;
  static constexpr int kTop = 154;
  static constexpr int kWidth = 414;
  static constexpr int kHeight = 239;
  static constexpr COLORREF kColour = RGB(192, 220, 192);

  // `formula_host` gives the calculator's side of the evaluator (its message boxes, its
  // division-by-zero reset, the angle unit, letting messages run); `on_result` takes each
  // evaluation with the input field's formula, and its final number goes onto the LCD.
  using OnResult = std::function<void(const FormulaRun&, std::string_view formula)>;
  FormulaPanelWindow(PanelHost& host, std::function<FormulaHost&()> formula_host,
                     OnResult on_result);

  bool create(HWND parent);
  // The menu item: shown at its place, the clipboard's text pasted into the input field at the
  // caret, the focus there with all its text selected.
  void open();
  // Shown with `formula` in the input field, to be evaluated or changed.
  void open_with(std::string_view formula);
  // "计 算" (and Enter in the input field or in an operand field of the big-number panel).
  void calculate();
  // The working formula follows the input field, as a change of it does; or the result field
  // (the input field when that is empty), as a change of the result field does.
  void follow_input();
  void follow_output();

  const std::string& working_formula() const { return panel_.working_formula(); }

 private:
  LRESULT on_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void paste_clipboard();

  std::function<FormulaHost&()> formula_host_;
  OnResult on_result_;
  FormulaPanel panel_;
  // An evaluation lets messages run between its passes: a click on "计 算" meanwhile would start
  // a second one inside the first.
  bool evaluating_ = false;
  HWND input_ = nullptr;
  HWND output_ = nullptr;
  HWND single_step_ = nullptr;
  UniqueBrush field_brush_;
};

}  // namespace orvanta::win32
