#include <array>
#include <string>

#include "engine/key_handlers.h"
#include "sim/calculator_sim.h"

namespace orvanta::sim {

namespace {

MouseButton button_named(std::string_view name) {
  if (name.empty() || name == "left") return MouseButton::Left;
  if (name == "right") return MouseButton::Right;
  if (name == "middle") return MouseButton::Middle;
  throw SimError("unknown mouse button '" + std::string(name) + "'");
}

void press_key(SimContext& context, std::string_view line) {
  const std::string_view name = next_word(line);
  const KeyHandler handler = find_key_handler(name);
  if (!handler) throw SimError("unknown command '" + std::string(name) + "'");
  const MouseButton button = button_named(next_word(line));
  if (!next_word(line).empty()) throw SimError("too many words after '" + std::string(name) + "'");
  Calculator& calc = calculator_sim(context).calculator;
  (calc.*handler)(button);
}

KeyHandler key_for_character(char ch) {
  static constexpr std::string_view kDigits = "0123456789";
  static constexpr std::array kDigitKeys{
      &Calculator::k0, &Calculator::k1, &Calculator::k2, &Calculator::k3, &Calculator::k4,
      &Calculator::k5, &Calculator::k6, &Calculator::k7, &Calculator::k8, &Calculator::k9};
  static constexpr std::array kHexKeys{&Calculator::ka, &Calculator::kb, &Calculator::kc,
                                       &Calculator::kd, &Calculator::ke, &Calculator::kf};
  if (const auto digit = kDigits.find(ch); digit != std::string_view::npos) {
    return kDigitKeys[digit];
  }
  if (ch >= 'A' && ch <= 'F') return kHexKeys[ch - 'A'];
  switch (ch) {
    case '.':
      return &Calculator::kp;
    case '+':
      return &Calculator::kadd;
    case '-':
      return &Calculator::ksub;
    case '*':
      return &Calculator::ksum;
    case '/':
      return &Calculator::kdiv;
    case '=':
      return &Calculator::kdy;
    default:
      return nullptr;
  }
}

void keys(SimContext& context, std::string_view text) {
  if (text.empty()) throw SimError("keys: nothing to press");
  for (const char ch : text) {
    if (!key_for_character(ch)) {
      throw SimError("keys: no key for '" + std::string(1, ch) + "'");
    }
  }
  Calculator& calc = calculator_sim(context).calculator;
  for (const char ch : text) (calc.*key_for_character(ch))(MouseButton::Left);
}

void base(SimContext& context, std::string_view name) {
  Calculator& calc = calculator_sim(context).calculator;
  if (name == "HEX") {
    calc.Khex_on(MouseButton::Left);
  } else if (name == "DEC") {
    calc.kden_on(MouseButton::Left);
  } else if (name == "OCT") {
    calc.kocx_on(MouseButton::Left);
  } else if (name == "BIN") {
    calc.kbin_on(MouseButton::Left);
  } else {
    throw SimError("base: expected HEX, DEC, OCT or BIN, got '" + std::string(name) + "'");
  }
}

void set(SimContext& context, std::string_view args) {
  const std::string_view key = next_word(args);
  const std::string_view value = next_word(args);
  if (key.empty() || value.empty()) throw SimError("set: expected <settings key> <value>");
  if (!calculator_sim(context).calculator.change_setting(key, value)) {
    throw SimError("set: unknown settings key '" + std::string(key) + "'");
  }
  // The income-tax panel keeps its fields and acts on them.
  set_tool_setting(context, key, value);
}

// The user types into the formula bar and leaves <text> there (the rest of the line). The bar
// refuses outside scientific mode, with its message box.
void bar(SimContext& context, std::string_view text) {
  CalculatorSim& sim = calculator_sim(context);
  if (!sim.calculator.formula_bar_key()) return;
  sim.ports.formula_bar.bar = text;
  sim.calculator.formula_bar_changed(text);
}

std::string joined(const std::vector<std::string>& items) {
  std::string out;
  for (const auto& item : items) {
    if (!out.empty()) out += ',';
    out += item;
  }
  return out;
}

std::string lights_of(const LcdIndicators& l) {
  const std::array<std::pair<bool, const char*>, 11> lights{{
      {l.sound_on, "sound"},
      {l.mem_on, "mem"},
      {l.error_on, "error"},
      {l.pt_mode, "pt"},
      {l.kx_mode, "kx"},
      {l.angle_jd, "jd"},
      {l.angle_hd, "hd"},
      {l.add_on, "add"},
      {l.sub_on, "sub"},
      {l.sum_on, "sum"},
      {l.div_on, "div"},
  }};
  std::vector<std::string> on;
  for (const auto& [visible, name] : lights) {
    if (visible) on.emplace_back(name);
  }
  return joined(on);
}

void print(SimContext& context, std::string_view) {
  RecordingPorts& ports = calculator_sim(context).ports;
  const LcdFrame& frame = ports.lcd.frame;
  context.out << "lcd=" << frame.text << "\terr=" << (frame.lights.error_on ? 1 : 0)
              << "\tlights=" << lights_of(frame.lights) << "\tbar=" << ports.formula_bar.bar
              << "\tsaid=" << joined(ports.voice.said) << "\n";
  ports.voice.said.clear();
}

}  // namespace

CalculatorSim::CalculatorSim(std::ostream& out) : calculator(ports.ports()) {
  ports.message_boxes.out = &out;
  ports.output.next = &recorder;
  start_calculator(calculator);
}

CalculatorSim& calculator_sim(SimContext& context) {
  auto& slot = context.extensions["calculator"];
  if (!slot) slot = std::make_unique<CalculatorSim>(context.out);
  return static_cast<CalculatorSim&>(*slot);
}

void register_calculator_commands(CommandTable& table) {
  table["<key>"] = press_key;
  table["keys"] = keys;
  table["base"] = base;
  table["set"] = set;
  table["print"] = print;
  table["bar"] = bar;
}

}  // namespace orvanta::sim
