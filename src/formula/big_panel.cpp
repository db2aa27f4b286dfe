#include "formula/big_panel.h"

#include <optional>

#include "formula/big_number.h"
#include "numeric/profile_values.h"

namespace orvanta {

namespace {

int division_precision(std::string_view text) {
  const std::optional<int> value = parse_profile_int(text);
  if (!value) return kDefaultDivisionPrecision;
  return *value < 0 ? 0 : *value;
}

}  // namespace

std::string division_precision_field(std::string_view text) {
  return std::to_string(division_precision(text));
}

std::string big_panel_result(BigOperation op, std::string_view first, std::string_view second,
                             std::string_view precision_field) {
  switch (op) {
    case BigOperation::Add:
      return My_Calcs::BigAdd(first, second);
    case BigOperation::Subtract:
      return My_Calcs::BigSub(first, second);
    case BigOperation::Multiply:
      return My_Calcs::BigMul(first, second);
    case BigOperation::Divide:
      break;
  }
  return My_Calcs::BigDiv(first, second, division_precision(precision_field));
}

}  // namespace orvanta
