#include "win32/features/alarms/alarms_feature.h"

namespace orvanta::win32 {

void AlarmsFeature::attach(FeatureContext& context) {
  context_ = &context;
  timer_ = context.timers().add([this] { alarms_->tick(now()); });
  alarms_ = std::make_unique<AlarmClock>(context.calculator(), context.settings(), context.boxes(),
                                         *this);
  alarms_->ok();
  context.services().provide<AlarmClock>(*alarms_);
  context.key("klz", [this](MouseButton) { open_panel(); });
  context.key("Ktime", [this](MouseButton b) {
    if (b == MouseButton::Left) alarms_->clock_key(now());
  });
  context.holds_keys_while([this] { return panel_ && panel_->visible(); });
}

void AlarmsFeature::set_timer(bool enabled) {
  if (enabled) {
    context_->timers().start(timer_, kTickMs);
  } else {
    context_->timers().stop(timer_);
  }
}

void AlarmsFeature::open_file(std::string_view path) {
  open_file_unactivated(context_->window().hwnd(), path);
}

LocalDateTime AlarmsFeature::now() const {
  const SYSTEMTIME st = context_->clock().local_time();
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

void AlarmsFeature::open_panel() {
  if (!panel_) {
    panel_ = std::make_unique<AlarmPanel>(context_->panels());
    panel_->create(context_->window().hwnd());
    panel_->attach(*alarms_);
  }
  panel_->open();
}

}  // namespace orvanta::win32
