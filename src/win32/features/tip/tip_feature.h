#pragma once
// The first-run tip, shown ten seconds (on the program's clock) after a first start; made then.
#include <memory>

#include "win32/features/feature.h"
#include "win32/features/tip/tip_panel.h"

namespace orvanta::win32 {

class TipFeature final : public Feature {
 public:
  void attach(FeatureContext& context) override;

 private:
  static constexpr UINT kDelayMs = 10000;
  void show();

  FeatureContext* context_ = nullptr;
  std::unique_ptr<TipPanel> panel_;
  TimerTable::Id timer_ = 0;
};

}  // namespace orvanta::win32
