#include "formula/formula_panel.h"

namespace orvanta {

bool is_bare_number(std::string_view) {
  return false;
}

FormulaRun FormulaPanel::calculate(bool, FormulaHost&) {
  return {};
}

}  // namespace orvanta
