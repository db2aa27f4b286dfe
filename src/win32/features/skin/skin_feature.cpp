#include "win32/features/skin/skin_feature.h"

#include "win32/chrome/menu_ids.h"

namespace orvanta::win32 {

void SkinFeature::attach(FeatureContext& context) {
  context_ = &context;
  context.menu(kMenuSkin, [this] { open(); });
  // A stored shift other than 0 recolours the face before it is first shown.
  const int stored = context.calculator().options().skin_shift;
  if (stored != 0) shown_ = context.window().recolour(stored);
}

void SkinFeature::open() {
  if (!panel_) {
    panel_ =
        std::make_unique<SkinPanel>(context_->panels(), [this](int shift) { slider_moved(shift); });
    panel_->create(context_->window().hwnd());
    panel_->set_shift(context_->calculator().options().skin_shift);
  }
  panel_->show();
}

void SkinFeature::slider_moved(int shift) {
  shown_ = context_->window().recolour(shift);
  UpdateWindow(context_->window().hwnd());
  context_->pump().wait(0);
  // The messages just run may have moved the slider again and stored its newer shift; what is
  // stored is the shift the face now shows, never this call's older one.
  context_->change_option(SettingId::ColorSkin, shown_);
}

}  // namespace orvanta::win32
