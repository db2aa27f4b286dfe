#pragma once
// The settings panel ("参数设置"), made when first opened: each control stores its option through
// the calculator's options, and a press on the face closes it.
#include <memory>

#include "win32/features/feature.h"
#include "win32/features/settings/settings_panel.h"

namespace orvanta::win32 {

class SettingsFeature final : public Feature {
 public:
  void attach(FeatureContext& context) override;
  void option_changed(SettingId id, const Options& now) override;
  void face_pressed() override {
    if (panel_) panel_->hide();
  }

 private:
  void open();

  FeatureContext* context_ = nullptr;
  std::unique_ptr<SettingsPanel> panel_;
  bool reporting_ = false;  // a change of the panel's own on its way through the options
};

}  // namespace orvanta::win32
