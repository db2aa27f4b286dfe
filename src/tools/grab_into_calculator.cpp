#include "tools/grab_into_calculator.h"

#include <exception>

#include "numeric/base_conversion.h"
#include "numeric/number_text.h"
#include "tools/grab_filter.h"

namespace orvanta {

std::optional<std::string> grab_into_calculator(Calculator& calculator, FormulaBar& formula_bar,
                                                std::optional<std::string_view> clipboard,
                                                char capture_operator) {
  CalcState& st = calculator.calc_state();
  std::string formula = clipboard ? grab_filter(*clipboard, capture_operator) : std::string();
  if (formula.empty()) {
    formula_bar.set_text(kGrabFailedText);
    return std::nullopt;
  }
  try {
    st.keep_formula_once = true;
    formula_bar.set_text(formula);
    const std::string result = grab_evaluate(formula, calculator.formula_host());
    Extended value = 0;
    if (!try_parse_number(result, value)) value = 0;
    value = round15(value);
    st.cur_value = value;
    // Outside decimal the value is written in the digits of the base, as equals writes its
    // result; a decimal text there would not read back.
    st.entry_text = from_decimal(fix_text(value), st.calc_base);
    // A division by zero met on the way, or a key pressed while the evaluator let messages
    // run, may have drawn meanwhile: the bar keeps the formula (or the division message).
    st.keep_formula_once = true;
    calculator.qel_play(st.entry_text);
  } catch (const std::exception&) {
    st.keep_formula_once = false;
    formula_bar.set_text(kGrabFailedText);
    return std::nullopt;
  }
  return formula;
}

}  // namespace orvanta
