#include "win32/features/tax/tax_feature.h"

#include "win32/chrome/menu_ids.h"

namespace orvanta::win32 {

void TaxFeature::attach(FeatureContext& context) {
  context_ = &context;
  form_ = std::make_unique<IncomeTaxForm>(context.calculator());
  context.menu(kMenuIncomeTax, [this] { open(); });
  context.holds_keys_while([this] { return panel_ && panel_->visible(); });
}

void TaxFeature::open() {
  if (!panel_) {
    panel_ = std::make_unique<TaxPanel>(context_->panels(), *form_);
    panel_->create(context_->window().hwnd());
    panel_->load_from_form();
  }
  panel_->open();
}

}  // namespace orvanta::win32
