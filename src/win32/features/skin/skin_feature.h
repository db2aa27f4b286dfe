#pragma once
// The face's colour: the stored hue shift recolours the face at start-up, and the slider panel
// ("自定义皮肤颜色"), made when first opened, recolours it as it moves.
#include <memory>

#include "win32/features/feature.h"
#include "win32/features/skin/skin_panel.h"

namespace orvanta::win32 {

class SkinFeature final : public Feature {
 public:
  void attach(FeatureContext& context) override;

 private:
  void open();
  void slider_moved(int shift);

  FeatureContext* context_ = nullptr;
  std::unique_ptr<SkinPanel> panel_;
  int shown_ = 0;  // the shift the face is drawn with
};

}  // namespace orvanta::win32
