#pragma once
// The timers of one window, each with its action.
#include <windows.h>

#include <functional>
#include <map>

#include "win32/system/program_clock.h"

namespace orvanta::win32 {

// Each registered action gets an id of its own, so WM_TIMER goes to its
// owner without a hand-kept list of ids. Each running timer is also due at a time of the
// program's clock, so moving that clock on runs what became due.
class TimerTable {
 public:
  using Action = std::function<void()>;
  using Id = UINT_PTR;

  TimerTable(const HWND* owner, ProgramClock& clock) : owner_(owner), clock_(clock) {}
  TimerTable(const TimerTable&) = delete;
  TimerTable& operator=(const TimerTable&) = delete;

  Id add(Action action);
  // Starts (or restarts) the timer; false when Windows refused it.
  bool start(Id id, UINT interval_ms);
  void stop(Id id);
  void stop_all();
  // Runs the timer's action (WM_TIMER); false for an id that is not one of these timers.
  bool run(Id id);
  // Moves the program's clock on and runs, once each, the timers that became due.
  void advance(ULONGLONG milliseconds);

 private:
  struct Timer {
    Action action;
    UINT interval_ms = 0;  // 0 while stopped
    ULONGLONG due = 0;     // on the program's clock
  };
  static constexpr Id kFirstId = 1000;
  const HWND* owner_;
  ProgramClock& clock_;
  std::map<Id, Timer> timers_;
};

}  // namespace orvanta::win32
