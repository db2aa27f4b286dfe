#include "win32/system/timer_table.h"

#include "win32/system/win_check.h"

namespace orvanta::win32 {

TimerTable::Id TimerTable::add(Action action) {
  const Id id = kFirstId + actions_.size();
  actions_.emplace(id, std::move(action));
  return id;
}

bool TimerTable::start(Id id, UINT interval_ms) const {
  return check(SetTimer(*owner_, id, interval_ms, nullptr) != 0, L"SetTimer");
}

void TimerTable::stop(Id id) const {
  KillTimer(*owner_, id);
}

void TimerTable::stop_all() const {
  for (const auto& [id, action] : actions_) KillTimer(*owner_, id);
}

bool TimerTable::run(Id id) const {
  const auto it = actions_.find(id);
  if (it == actions_.end()) return false;
  it->second();
  return true;
}

}  // namespace orvanta::win32
