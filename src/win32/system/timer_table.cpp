#include "win32/system/timer_table.h"

#include <vector>

#include "win32/system/win_check.h"

namespace orvanta::win32 {

TimerTable::Id TimerTable::add(Action action) {
  const Id id = kFirstId + timers_.size();
  timers_.emplace(id, Timer{std::move(action)});
  return id;
}

bool TimerTable::start(Id id, UINT interval_ms) {
  const auto it = timers_.find(id);
  if (it == timers_.end()) return false;
  it->second.interval_ms = interval_ms;
  it->second.due = clock_.milliseconds() + interval_ms;
  return check(SetTimer(*owner_, id, interval_ms, nullptr) != 0, L"SetTimer");
}

void TimerTable::stop(Id id) {
  const auto it = timers_.find(id);
  if (it != timers_.end()) it->second.interval_ms = 0;
  KillTimer(*owner_, id);
}

void TimerTable::stop_all() {
  for (auto& [id, timer] : timers_) stop(id);
}

bool TimerTable::run(Id id) {
  const auto it = timers_.find(id);
  if (it == timers_.end()) return false;
  it->second.due = clock_.milliseconds() + it->second.interval_ms;
  it->second.action();  // may stop or restart its own timer
  return true;
}

void TimerTable::advance(ULONGLONG milliseconds) {
  clock_.advance(milliseconds);
  const ULONGLONG now = clock_.milliseconds();
  std::vector<Id> due;
  for (const auto& [id, timer] : timers_) {
    if (timer.interval_ms != 0 && timer.due <= now) due.push_back(id);
  }
  for (const Id id : due) run(id);
}

}  // namespace orvanta::win32
