#pragma once
// The face keys by handler name, so the key bindings and orvanta-sim can press keys by name.
#include <span>
#include <string_view>

#include "engine/calculator.h"

namespace orvanta {

using KeyHandler = void (Calculator::*)(MouseButton);

struct KeyEntry {
  std::string_view name;
  KeyHandler handler;
};

// Every face key that takes only the mouse button (the base strip, which also needs the
// click position, is not among them).
std::span<const KeyEntry> key_table();

// The handler named `name`, or nullptr.
KeyHandler find_key_handler(std::string_view name);

}  // namespace orvanta
