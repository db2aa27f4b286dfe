#include "display/output_form.h"

#include "display/number_wording.h"

namespace orvanta {

std::string output_text(OutputForm form, std::string_view value_text, std::string_view shown_text) {
  switch (form) {
    case OutputForm::ChineseCapitals:
      return CnUpper(value_text);
    case OutputForm::MoneyCapitals:
      return RmbUpper(value_text);
    case OutputForm::MoneyFigures:
      return money_figures(value_text);
    case OutputForm::Figures:
      break;
  }
  return std::string(shown_text);
}

}  // namespace orvanta
