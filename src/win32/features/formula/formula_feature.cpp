#include "win32/features/formula/formula_feature.h"

#include "win32/chrome/menu_ids.h"

namespace orvanta::win32 {

void FormulaFeature::attach(FeatureContext& context) {
  context_ = &context;
  context.menu(kMenuFormula, [this] { panel().open(); });
}

FormulaPanelWindow& FormulaFeature::panel() {
  if (!panel_) {
    Calculator& calculator = context_->calculator();
    panel_ = std::make_unique<FormulaPanelWindow>(
        context_->panels(), [&calculator]() -> FormulaHost& { return calculator.formula_host(); },
        [&calculator](const FormulaRun& run, std::string_view formula) {
          calculator.take_formula_result(run, formula);
        });
    panel_->create(context_->window().hwnd());
  }
  return *panel_;
}

}  // namespace orvanta::win32
