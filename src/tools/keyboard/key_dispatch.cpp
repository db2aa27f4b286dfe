#include "tools/keyboard/key_dispatch.h"

#include <array>
#include <optional>

namespace orvanta {
namespace {

// Backspace, the digits of both keyboards, the keypad's operators and point, and = - . / of
// the main keyboard: typing them into a focused formula bar edits the formula.
bool formula_bar_key(int code) {
  return code == 0x08 || (code >= 0x30 && code <= 0x39) || (code >= 0x60 && code <= 0x69) ||
         code == 0x6A || code == 0x6B || code == 0x6D || code == 0x6E || code == 0x6F ||
         code == 0xBB || code == 0xBD || code == 0xBE || code == 0xBF;
}

constexpr std::array<std::string_view, 10> kDigitButtons = {"k0", "k1", "k2", "k3", "k4",
                                                            "k5", "k6", "k7", "k8", "k9"};

std::string_view default_button(int code, KeyModifiers held) {
  const bool only_shift = held == KeyModifiers{false, true, false};
  if (code == 0xBE || code == 0x6E) return "kp";
  // Shift+8 is the × of the main keyboard, not the digit.
  if (code == 0x38 && only_shift) return "ksum";
  if (code >= 0x30 && code <= 0x39) return kDigitButtons[code - 0x30];
  if (code >= 0x60 && code <= 0x69) {
    if (code == 0x68 && only_shift) return {};
    return kDigitButtons[code - 0x60];
  }
  switch (code) {
    case 0x6B:
    case 0xBB:
      return "kadd";
    case 0x6D:
    case 0xBD:
      return "ksub";
    case 0x6A:
      return "ksum";
    case 0x6F:
    case 0xBF:
      return "kdiv";
    case 0x0D:
      return "kdy";
    // Backspace takes back the last digit, as users expect of any calculator.
    case 0x08:
      return "tg";
    default:
      return {};
  }
}

}  // namespace

namespace {

KeyPress press_of(const KeyTable& table, int code, KeyModifiers held, const KeyGuards& guards) {
  if (guards.formula_bar_focused && formula_bar_key(code)) return {KeyRoute::FormulaBar, {}};
  if (guards.clock_shown || guards.panel_open) return {KeyRoute::Ignored, {}};
  const std::string_view function = table.KeyToFunction(code, held);
  if (function.empty()) {
    const std::string_view button = default_button(code, held);
    if (button.empty()) return {KeyRoute::Nothing, {}};
    return {KeyRoute::Press, button, MouseButton::Left};
  }
  const KeyFunction* bound = find_key_function(function);
  if (!bound || bound->button.empty()) return {KeyRoute::Nothing, {}};
  return {KeyRoute::Press, bound->button, bound->mouse};
}

// Tab (Shift+Tab back) and the arrows, without Ctrl or Alt.
std::optional<face::KeyStep> focus_step(int code, KeyModifiers held) {
  if (held.ctrl || held.alt) return std::nullopt;
  switch (code) {
    case 0x09:
      return held.shift ? face::KeyStep::Previous : face::KeyStep::Next;
    case 0x25:
      return face::KeyStep::Left;
    case 0x26:
      return face::KeyStep::Up;
    case 0x27:
      return face::KeyStep::Right;
    case 0x28:
      return face::KeyStep::Down;
    default:
      return std::nullopt;
  }
}

}  // namespace

KeyPress dispatch_key(const KeyTable& table, int code, KeyModifiers held, const KeyGuards& guards) {
  const bool free_guards = !guards.formula_bar_focused && !guards.clock_shown && !guards.panel_open;
  if (free_guards && guards.key_focus_shown && !held.ctrl && !held.alt &&
      (code == 0x20 || code == 0x0D)) {
    return {KeyRoute::PressFocused, {}};
  }
  KeyPress press = press_of(table, code, held, guards);
  if (press.route == KeyRoute::Nothing && free_guards) {
    if (const std::optional<face::KeyStep> step = focus_step(code, held)) {
      press.route = KeyRoute::MoveFocus;
      press.step = *step;
      return press;
    }
  }
  // Only equals waits for equals: keys typed while the result is read out are the user's next
  // number, never lost.
  if (guards.equals_busy && press.route == KeyRoute::Press && press.button == "kdy") {
    return {KeyRoute::Ignored, {}};
  }
  return press;
}

}  // namespace orvanta
