#pragma once
// Port: what the alarms and the clock ask of the window and the machine. The window carries
// them out; orvanta-sim and the tests record them, so no test ever touches the machine.
#include <string_view>

namespace orvanta {

class AlarmActions {
 public:
  virtual ~AlarmActions() = default;
  // TIMER_TIME, the one-second tick.
  virtual void set_timer(bool enabled) = 0;
  // The calculator was hidden into the tray; bring_back restores it to the foreground.
  virtual bool window_hidden() const = 0;
  virtual void bring_back() = 0;
  // Opens the file with its associated program without activating it; a missing file is ignored.
  virtual void open_file(std::string_view path) = 0;
  // Ends the calculator at once, without the quit confirmation.
  virtual void quit() = 0;
  virtual void log_off() = 0;
  virtual void restart() = 0;
  virtual void power_off() = 0;
};

}  // namespace orvanta
