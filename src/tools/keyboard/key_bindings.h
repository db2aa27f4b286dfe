#pragma once
// The keyboard's key table: 256 entries by virtual-key code, each with its fixed key name and
// the calculator function bound to it with the exact Ctrl, Shift and Alt it needs. Stored in
// section KeyBord.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/mouse_button.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace orvanta {

struct KeyModifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool operator==(const KeyModifiers&) const = default;
};

// A function of the key-binding editor's rows and the face key it presses (empty for none).
struct KeyFunction {
  std::string_view caption;
  std::string_view button;
  MouseButton mouse = MouseButton::Left;
};

inline constexpr int kKeyFunctionCount = 70;
// In the editor's row order.
extern const std::array<KeyFunction, kKeyFunctionCount> kKeyFunctions;

// The system-wide hotkey that hides the calculator and brings it back.
inline constexpr std::string_view kHotkeyFunction = "缩/弹";

// The face key that the LCD pop-up menu hangs on; "弹出" opens the menu there.
inline constexpr std::string_view kPopupButton = "screen_font";

// The history tape's panel, which has no key on the face.
inline constexpr std::string_view kHistoryButton = "khistory";

// The function with that caption (whole-text comparison), or nullptr.
const KeyFunction* find_key_function(std::string_view caption);
// The row of a caption, or -1.
int key_function_row(std::string_view caption);

// The fixed name of a code ("Enter键", "数字7键", "A"), empty for codes without one.
std::string_view key_name(int code);
// What the editor shows for a key: its name, or the decimal code when it has none.
std::string shown_key_name(int code);

struct KeyBinding {
  std::string function;
  KeyModifiers modifiers;
};

// The hotkey's code and modifiers.
struct HotkeyBinding {
  int code = 0;
  KeyModifiers modifiers;
  bool operator==(const HotkeyBinding&) const = default;
};

class KeyTable {
 public:
  // Every binding cleared; with `load` each entry is read from section KeyBord (missing keys
  // give no function and no modifier). An unreadable file has been reported and loads nothing.
  void LoadKeyTable(bool load, SettingsStore& store);
  // The entry's function when its modifiers equal `held` exactly, else the empty text.
  std::string_view KeyToFunction(int code, KeyModifiers held) const;
  // All 256 entries in code order, in one write of section KeyBord; false when it failed
  // (reported by the store).
  bool save(SettingsStore& store) const;

  const KeyBinding& entry(int code) const { return entries_.at(code); }
  KeyBinding& entry(int code) { return entries_.at(code); }
  // The lowest code bound to `function`, or -1.
  int code_of(std::string_view function) const;
  // The lowest code bound to "缩/弹".
  std::optional<HotkeyBinding> hotkey() const;

 private:
  std::array<KeyBinding, kKeyCodeCount> entries_;
};

}  // namespace orvanta
