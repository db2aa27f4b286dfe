#pragma once
// The big-number panel ("* 超大数计算 *"), made when first opened.
#include <memory>

#include "win32/features/big_numbers/big_number_panel.h"
#include "win32/features/feature.h"

namespace orvanta::win32 {

class BigNumbersFeature final : public Feature {
 public:
  void attach(FeatureContext& context) override;

 private:
  void open();

  FeatureContext* context_ = nullptr;
  std::unique_ptr<BigNumberPanel> panel_;
};

}  // namespace orvanta::win32
