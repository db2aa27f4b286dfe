#pragma once
// The formula panel ("* 表达式（公式）计算 *"), made when first opened; its finished number goes
// onto the LCD. It offers the big-number panel the links to its working formula.
#include <memory>

#include "win32/features/feature.h"
#include "win32/features/formula/formula_panel_window.h"
#include "win32/panels/formula_links.h"

namespace orvanta::win32 {

class FormulaFeature final : public Feature {
 public:
  void provide(Services& services) override { services.provide<FormulaLinks>(links_); }
  void attach(FeatureContext& context) override;

 private:
  FormulaPanelWindow& panel();

  FeatureContext* context_ = nullptr;
  std::unique_ptr<FormulaPanelWindow> panel_;
  FormulaLinks links_{[this] { panel().follow_input(); }, [this] { panel().follow_output(); },
                      [this] { panel().calculate(); },
                      [this](std::string_view formula) { panel().open_with(formula); }};
};

}  // namespace orvanta::win32
