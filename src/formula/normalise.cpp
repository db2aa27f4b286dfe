#include "formula/normalise.h"

namespace orvanta {

std::optional<std::string> gs_normalise(std::string_view text, FormulaHost&) {
  return std::string(text);
}

}  // namespace orvanta
