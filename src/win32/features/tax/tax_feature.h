#pragma once
// The income-tax panel: its form (fields, table, what each change stores) lives with the
// calculator's options; the panel is made when the menu item first opens it.
#include <memory>

#include "tools/tax/income_tax_form.h"
#include "win32/features/feature.h"
#include "win32/features/tax/tax_panel.h"

namespace orvanta::win32 {

class TaxFeature final : public Feature {
 public:
  void attach(FeatureContext& context) override;

 private:
  void open();

  FeatureContext* context_ = nullptr;
  std::unique_ptr<IncomeTaxForm> form_;
  std::unique_ptr<TaxPanel> panel_;
};

}  // namespace orvanta::win32
