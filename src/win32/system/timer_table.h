#pragma once
// The timers of one window, each with its action.
#include <windows.h>

#include <functional>
#include <map>

namespace orvanta::win32 {

// Each registered action gets an id of its own, so WM_TIMER goes to its
// owner without a hand-kept list of ids.
class TimerTable {
 public:
  using Action = std::function<void()>;
  using Id = UINT_PTR;

  explicit TimerTable(const HWND* owner) : owner_(owner) {}
  TimerTable(const TimerTable&) = delete;
  TimerTable& operator=(const TimerTable&) = delete;

  Id add(Action action);
  // Starts (or restarts) the timer; false when Windows refused it.
  bool start(Id id, UINT interval_ms) const;
  void stop(Id id) const;
  void stop_all() const;
  // Runs the timer's action; false for an id that is not one of these timers.
  bool run(Id id) const;

 private:
  static constexpr Id kFirstId = 1000;
  const HWND* owner_;
  std::map<Id, Action> actions_;
};

}  // namespace orvanta::win32
