#pragma once
// What a menu item, a tool key or a timer does: each is one line in the main window's
// register_commands (app/commands.cpp), so a new feature adds its line there and never a branch
// in the message handling.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "engine/mouse_button.h"

namespace orvanta::win32 {

class CommandTable {
 public:
  using MenuAction = std::function<void()>;
  using KeyAction = std::function<void(MouseButton)>;

  // A later line for the same id or name replaces the earlier one.
  void menu(UINT id, MenuAction action) { menu_[id] = std::move(action); }
  void key(std::string_view name, KeyAction action) {
    keys_[std::string(name)] = std::move(action);
  }

  bool has_menu(UINT id) const { return menu_.contains(id); }
  // Each returns false when nothing is registered (the item or key does nothing).
  bool run_menu(UINT id) const;
  bool run_key(std::string_view name, MouseButton button) const;

 private:
  std::map<UINT, MenuAction> menu_;
  std::map<std::string, KeyAction, std::less<>> keys_;
};

// The window's timers: each registered action gets an id of its own, so WM_TIMER goes to its
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
