#include "tools/exchange/grab_into_calculator.h"

#include <exception>

#include "numeric/base_conversion.h"
#include "numeric/number_text.h"
#include "tools/exchange/grab_filter.h"

namespace orvanta {

std::optional<std::string> grab_into_calculator(Calculator& calculator,
                                                std::optional<std::string_view> clipboard,
                                                char capture_operator) {
  const std::string formula = clipboard ? grab_filter(*clipboard, capture_operator) : std::string();
  if (formula.empty()) {
    calculator.show_in_formula_bar(kGrabFailedText);
    return std::nullopt;
  }
  std::string result;
  try {
    // A key pressed while the evaluator lets messages run may draw meanwhile: the bar keeps
    // the formula (or a division message).
    calculator.keep_formula_bar(true);
    calculator.show_in_formula_bar(formula);
    result = grab_evaluate(formula, calculator.formula_host());
  } catch (const std::exception&) {
    calculator.keep_formula_bar(false);
    calculator.show_in_formula_bar(kGrabFailedText);
    return std::nullopt;
  }
  Extended value = 0;
  const bool computed = try_parse_number(result, value);
  if (!computed) value = 0;
  value = round15(value);
  const std::string digits = fix_text(value);
  calculator.enter_number(value, digits, true);
  // A formula the evaluator refused has no result to keep.
  if (computed) {
    FinalResult finished;
    finished.shown_text = finished.value_text = finished.result_text = digits;
    finished.source = ResultSource::Grab;
    finished.calculation = formula;
    calculator.report_result(finished);
  }
  return formula;
}

}  // namespace orvanta
