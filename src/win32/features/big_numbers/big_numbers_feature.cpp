#include "win32/features/big_numbers/big_numbers_feature.h"

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
    panel_ = std::make_unique<BigNumberPanel>(context_->panels(),
                                              links != nullptr ? *links : FormulaLinks{});
    panel_->create(context_->window().hwnd());
  }
  panel_->show();
}

}  // namespace orvanta::win32
