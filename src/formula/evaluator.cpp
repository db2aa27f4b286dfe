#include "formula/evaluator.h"

namespace orvanta {

std::string gs_step(std::string_view text, bool, FormulaHost&) {
  return std::string(text);
}

}  // namespace orvanta
