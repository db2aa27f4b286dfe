#pragma once
// The six alarms and the clock on the LCD: the alarms run from start-up on the program's clock
// (a one-second tick while any is on); their panel is made when "klz" first opens it. What an
// alarm does outside the calculator goes to the window and the machine.
#include <memory>

#include "tools/alarms/alarm_clock.h"
#include "win32/features/alarms/alarm_panel.h"
#include "win32/features/feature.h"
#include "win32/system/machine_actions.h"

namespace orvanta::win32 {

class AlarmsFeature final : public Feature, public AlarmActions {
 public:
  // Offers the AlarmClock (whether the clock covers the LCD) once it exists.
  void attach(FeatureContext& context) override;

  // AlarmActions.
  void set_timer(bool enabled) override;
  bool window_hidden() const override { return context_->window().hidden(); }
  void bring_back() override { context_->window().restore_from_tray(); }
  void open_file(std::string_view path) override;
  void quit() override { context_->window().quit_now(); }
  void log_off() override { power_->shut_down(ShutdownKind::LogOff); }
  void restart() override { power_->shut_down(ShutdownKind::Restart); }
  void power_off() override { power_->shut_down(ShutdownKind::PowerOff); }

 private:
  static constexpr UINT kTickMs = 1000;
  LocalDateTime now() const;
  void open_panel();

  FeatureContext* context_ = nullptr;
  std::unique_ptr<MachinePower> power_ = make_machine_power();
  std::unique_ptr<AlarmClock> alarms_;
  std::unique_ptr<AlarmPanel> panel_;
  TimerTable::Id timer_ = 0;
};

}  // namespace orvanta::win32
