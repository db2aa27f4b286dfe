#include "win32/app/command_table.h"

namespace orvanta::win32 {

bool CommandTable::run_menu(UINT id) const {
  const auto it = menu_.find(id);
  if (it == menu_.end()) return false;
  it->second();
  return true;
}

bool CommandTable::run_key(std::string_view name, MouseButton button) const {
  const auto it = keys_.find(name);
  if (it == keys_.end()) return false;
  it->second(button);
  return true;
}

}  // namespace orvanta::win32
