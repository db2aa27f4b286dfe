#include "win32/features/tip/tip_feature.h"

namespace orvanta::win32 {

void TipFeature::attach(FeatureContext& context) {
  context_ = &context;
  timer_ = context.timers().add([this] {
    context_->timers().stop(timer_);
    show();
  });
  if (context.first_start()) context.timers().start(timer_, kDelayMs);
}

void TipFeature::show() {
  if (!panel_) {
    panel_ =
        std::make_unique<TipPanel>(context_->panels(), [this] { context_->window().show_help(); });
    panel_->create(context_->window().hwnd());
  }
  panel_->show();
}

}  // namespace orvanta::win32
