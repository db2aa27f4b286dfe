// Key presses through the window's key dispatch, and bindings made as the key-binding editor
// makes them.
#include <charconv>
#include <string>

#include "engine/key_handlers.h"
#include "sim/alarm_sim.h"
#include "sim/calculator_sim.h"
#include "tools/keyboard/key_dispatch.h"
#include "tools/keyboard/key_editor.h"

namespace orvanta::sim {
namespace {

struct KeyboardSim : SimContext::Extension {
  explicit KeyboardSim(CalculatorSim& calc)
      : editor(table, calc.ports.settings, calc.ports.message_boxes) {
    table.LoadKeyTable(true, calc.ports.settings);
  }
  KeyTable table;
  KeyEditor editor;
};

KeyboardSim& keyboard_sim(SimContext& context) {
  CalculatorSim& calc = calculator_sim(context);
  auto& slot = context.extensions["keyboard"];
  if (!slot) slot = std::make_unique<KeyboardSim>(calc);
  return static_cast<KeyboardSim&>(*slot);
}

int key_code(std::string_view word) {
  int code = -1;
  const bool hex = word.starts_with("0x") || word.starts_with("0X");
  const std::string_view digits = hex ? word.substr(2) : word;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || code < 0 ||
      code >= kKeyCodeCount) {
    throw SimError("expected a virtual-key code 0 to 255, got '" + std::string(word) + "'");
  }
  return code;
}

KeyModifiers modifiers(std::string_view rest) {
  KeyModifiers held;
  for (std::string_view word = next_word(rest); !word.empty(); word = next_word(rest)) {
    if (word == "ctrl") {
      held.ctrl = true;
    } else if (word == "shift") {
      held.shift = true;
    } else if (word == "alt") {
      held.alt = true;
    } else {
      throw SimError("expected ctrl, shift or alt, got '" + std::string(word) + "'");
    }
  }
  return held;
}

// The face keys the window handles itself: the clock reads the sim's time, the alarm key opens
// the panel; the others (power, unit converter, the LCD menu) have nothing to show here. They
// stop a read-out as the calculator's own keys do.
void press(SimContext& context, const KeyPress& press) {
  Calculator& calculator = calculator_sim(context).calculator;
  if (const KeyHandler handler = find_key_handler(press.button)) {
    (calculator.*handler)(press.mouse);
    return;
  }
  calculator.stop_read_out();
  if (press.button == "Ktime") {
    AlarmSim& alarms = alarm_sim(context);
    alarms.clock.clock_key(alarms.now);
  } else if (press.button == "klz") {
    alarm_sim(context).panel_open = true;
  }
}

void key(SimContext& context, std::string_view args) {
  const int code = key_code(next_word(args));
  const KeyModifiers held = modifiers(args);
  KeyboardSim& keyboard = keyboard_sim(context);
  const AlarmSim& alarms = alarm_sim(context);
  KeyGuards guards;
  guards.equals_busy = calculator_sim(context).calculator.calc_state().equals_busy;
  guards.clock_shown = alarms.clock.clock_mode() != ClockMode::Off;
  guards.panel_open = alarms.panel_open || keyboard.editor.visible();
  const KeyPress result = dispatch_key(keyboard.table, code, held, guards);
  if (result.route == KeyRoute::Press) press(context, result);
}

void bind(SimContext& context, std::string_view args) {
  const int code = key_code(next_word(args));
  const std::string_view caption = next_word(args);
  const int row = key_function_row(caption);
  if (row < 0) throw SimError("bind: no function '" + std::string(caption) + "'");
  const KeyModifiers held = modifiers(args);
  KeyEditor& editor = keyboard_sim(context).editor;
  editor.open();
  editor.focus(row);
  editor.key_pressed(row, code);
  editor.box_changed(row, ModifierBox::Ctrl, held.ctrl);
  editor.box_changed(row, ModifierBox::Shift, held.shift);
  editor.box_changed(row, ModifierBox::Alt, held.alt);
  editor.ok();
}

}  // namespace

void register_keyboard_commands(CommandTable& table) {
  table["key"] = key;
  table["bind"] = bind;
}

}  // namespace orvanta::sim
