#pragma once
// What a key press does in the calculator window: the guards, the key table, then the built-in
// defaults (digits, point, the four operators, Enter and Backspace work without any binding),
// then the keyboard's focus on the face keys (Tab and the arrows the table leaves free move it;
// while it shows, Space and Enter press its key).
#include <string_view>

#include "engine/mouse_button.h"
#include "face/key_navigation.h"
#include "tools/keyboard/key_bindings.h"

namespace orvanta {

// What the window knows at the moment of the key press.
struct KeyGuards {
  // Equals is running (reading its result out): a second equals is held back; any other key
  // goes through, and the calculator stops the read-out for it.
  bool equals_busy = false;
  bool formula_bar_focused = false;
  bool clock_shown = false;  // the LCD shows the date or the time
  // The alarm panel, the key-binding editor, the income-tax panel or the formula panel.
  bool panel_open = false;
  // The keyboard's focus shows on a face key: Space and Enter press that key.
  bool key_focus_shown = false;
};

enum class KeyRoute {
  Ignored,       // a guard holds the key back
  FormulaBar,    // left to the focused formula bar
  Press,         // press `button` with `mouse`
  Nothing,       // no binding and no default, or a function that presses no key
  MoveFocus,     // Tab or an arrow the table leaves free: the focus moves across the face keys
  PressFocused,  // Space or Enter with the focus on a face key: that key is pressed
};

struct KeyPress {
  KeyRoute route = KeyRoute::Nothing;
  std::string_view button;
  MouseButton mouse = MouseButton::Left;
  face::KeyStep step = face::KeyStep::Next;  // for MoveFocus
  bool operator==(const KeyPress&) const = default;
};

KeyPress dispatch_key(const KeyTable& table, int code, KeyModifiers held, const KeyGuards& guards);

}  // namespace orvanta
