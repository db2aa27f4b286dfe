#include "win32/features/big_numbers/big_numbers_feature.h"

#include "tools/history/history_recorder.h"
#include "win32/chrome/menu_ids.h"

namespace orvanta::win32 {

void BigNumbersFeature::attach(FeatureContext& context) {
  context_ = &context;
  context.menu(kMenuBigNumbers, [this] { open(); });
}

void BigNumbersFeature::open() {
  if (!panel_) {
    // Its fields feed the formula panel's working formula, when there is a formula panel.
    const FormulaLinks* links = context_->services().find<FormulaLinks>();
    Calculator& calculator = context_->calculator();
    panel_ = std::make_unique<BigNumberPanel>(
        context_->panels(), links != nullptr ? *links : FormulaLinks{},
        [&calculator](BigOperation op, std::string_view first, std::string_view second,
                      std::string result) {
          calculator.report_result(big_number_result(op, first, second, std::move(result)));
        });
    panel_->create(context_->window().hwnd());
  }
  panel_->show();
}

}  // namespace orvanta::win32
