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

// Whether the face key `name` does anything in `base`: a digit beyond the base's, A to F
// outside hexadecimal, and the point, the sign, the functions and the memory outside decimal do
// nothing (screen readers say such a key is unavailable). Keys that are no calculator key (the
// tools) always act.
bool key_acts_in_base(std::string_view name, NumberBase base);

}  // namespace orvanta
