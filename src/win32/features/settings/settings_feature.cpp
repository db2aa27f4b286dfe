#include "win32/features/settings/settings_feature.h"

#include "win32/chrome/menu_ids.h"

namespace orvanta::win32 {

void SettingsFeature::attach(FeatureContext& context) {
  context_ = &context;
  context.menu(kMenuSettings, [this] { open(); });
}

void SettingsFeature::open() {
  if (!panel_) {
    panel_ = std::make_unique<SettingsPanel>(context_->panels(),
                                             [this](SettingId id, const Options& now) {
                                               reporting_ = true;
                                               context_->change_option(id, option_value(now, id));
                                               reporting_ = false;
                                             });
    panel_->create(context_->window().hwnd(), context_->calculator().options());
  }
  panel_->show();
}

void SettingsFeature::option_changed(SettingId, const Options& now) {
  // A change made elsewhere (the LCD menu, a key) shows in the controls.
  if (panel_ && !reporting_) panel_->apply(now, false);
}

}  // namespace orvanta::win32
