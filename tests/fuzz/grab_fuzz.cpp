// The grab of a selection on any text: the filtered formula holds only digits, points,
// brackets and the four operators, never four "-" in a row, keeps every digit of the text in
// order, and ends on a digit or a bracket; evaluated it gives a number, the failure text or
// itself; taken into a calculator it leaves an LCD that can be drawn.
#include "formula/evaluator.h"
#include "formula/formula_panel.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/lcd_check.h"
#include "numeric/number_text.h"
#include "sim/calculator_sim.h"
#include "tools/exchange/grab_filter.h"
#include "tools/exchange/grab_into_calculator.h"
#include "unit/recording_formula_host.h"

namespace {

std::string digits_of(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  fuzz::Input input(data, size);
  const char capture_operator = "+-*/"[input.byte() % 4];
  const std::string_view text = input.rest();

  const std::string formula = grab_filter(text, capture_operator);
  fuzz::check(formula.find_first_not_of("0123456789.()+-*/") == std::string::npos,
              "a character the grab should have dropped", formula);
  fuzz::check(formula.find("----") == std::string::npos, "four minus signs in a row", formula);
  if (text.size() <= kGrabTextLimit) {
    fuzz::check(digits_of(formula) == digits_of(text), "the grab lost or added digits", text);
  }
  if (!formula.empty()) {
    const char first = formula.front();
    const char last = formula.back();
    fuzz::check((first >= '0' && first <= '9') || first == '(' || first == ')' || first == '-' ||
                    (first == '.' && formula.size() > 1 && formula[1] >= '0' && formula[1] <= '9'),
                "the formula starts with an operator", formula);
    fuzz::check((last >= '0' && last <= '9') || last == '(' || last == ')',
                "the formula does not end on a digit or bracket", formula);
  }

  RecordingFormulaHost host;
  const std::string value = grab_evaluate(formula, host);
  fuzz::check(value == kInvalidExpression || value == formula || !holds_operation(value),
              "the evaluation stopped with an operation left", formula + " -> " + value);

  sim::RecordingPorts ports;
  Calculator calculator(ports.ports());
  sim::start_calculator(calculator);
  calculator.science_mode_changed(true);
  grab_into_calculator(calculator, text, capture_operator);
  fuzz::check_lcd(ports.lcd.frame, text);
  return 0;
}
