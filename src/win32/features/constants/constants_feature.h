#pragma once
// The constants table: the core's ConstantsTableView (the right button on π shows it, the left
// hides it), drawn by its grid panel, made when first shown. A clicked value enters the
// calculator.
#include <memory>

#include "engine/ports/constants_table_view.h"
#include "win32/features/constants/constants_grid.h"
#include "win32/features/feature.h"

namespace orvanta::win32 {

class ConstantsFeature final : public Feature, public ConstantsTableView {
 public:
  void provide(Services& services) override { services.provide<ConstantsTableView>(*this); }
  void attach(FeatureContext& context) override { context_ = &context; }

  void show_constants_table() override;
  void hide_constants_table() override;

 private:
  FeatureContext* context_ = nullptr;
  std::unique_ptr<ConstantsGrid> grid_;
};

}  // namespace orvanta::win32
