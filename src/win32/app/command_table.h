#pragma once
// What a menu item or a tool key does: each is one line in the main window's register_commands
// (app/commands.cpp), so a new feature adds its line there and never a branch in the message
// handling.
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

}  // namespace orvanta::win32
