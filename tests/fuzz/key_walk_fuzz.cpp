// A walk of the calculator driven by the input bytes: face keys with every mouse button, the
// base strip, settings, typing into the formula bar, the formula panel, grabs, and keys pressed
// while the calculator waits (handlers re-entered). No exception may leave a handler, and the
// LCD frame can always be drawn.
#include <exception>

#include "engine/key_handlers.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/lcd_check.h"
#include "sim/calculator_sim.h"
#include "tools/exchange/grab_into_calculator.h"

namespace {

using namespace orvanta;

constexpr std::pair<std::string_view, std::string_view> kSettings[] = {
    {"Device_Science_calc", "1"},  {"Device_Science_calc", "0"}, {"Device_point", "2"},
    {"Device_point", "-1"},        {"Device_point", "0"},        {"Device_point", "15"},
    {"Device_point", "x"},         {"Device_1000", "1"},         {"Device_1000", "0"},
    {"Device_angle", "0"},         {"Device_angle", "1"},        {"Device_sound", "0"},
    {"Device_sound", "1"},         {"Device_AutoCopyTo", "1"},   {"Device_AutoCopyTo", "0"},
    {"Device_input_autoclip", "1"}};

class Walk {
 public:
  Walk(const std::uint8_t* data, std::size_t size) : input_(data, size), calc_(ports_.ports()) {
    sim::start_calculator(calc_);
    ports_.pump.during_wait = [this](int) {
      if (depth_ >= 2 || reentries_ == 0 || input_.empty()) return;
      --reentries_;
      ++depth_;
      command("while waiting");
      --depth_;
    };
  }

  // A few hundred commands are a long session; longer inputs would only slow the search.
  void run() {
    for (int n = 0; n < 300 && !input_.empty(); ++n) command("");
  }

 private:
  void command(std::string_view when) {
    std::string done;
    try {
      done = step();
    } catch (const std::exception& e) {
      fuzz::fail("an exception left a handler", std::string(when) + " " + done + ": " + e.what());
    }
    fuzz::check_lcd(ports_.lcd.frame, done);
  }

  std::string text(std::size_t limit) {
    std::string t;
    for (std::size_t n = input_.byte() % limit; n > 0 && !input_.empty(); --n) {
      t += static_cast<char>(input_.byte());
    }
    return t;
  }

  std::string step() {
    const auto keys = key_table();
    const std::size_t b = input_.byte();
    if (b < 3 * keys.size()) {
      static constexpr MouseButton kButtons[] = {MouseButton::Left, MouseButton::Right,
                                                 MouseButton::Middle};
      const KeyEntry& key = keys[b % keys.size()];
      (calc_.*key.handler)(kButtons[b / keys.size()]);
      return std::string(key.name);
    }
    switch (b % 8) {
      case 0: {
        const int y = input_.byte() % 64;
        calc_.Image5(MouseButton::Left, y);
        return "Image5";
      }
      case 1: {
        const auto& [key, value] = kSettings[input_.byte() % std::size(kSettings)];
        calc_.change_setting(key, value);
        return "set " + std::string(key);
      }
      case 2: {
        const std::string typed = text(24);
        if (calc_.formula_bar_key()) {
          ports_.formula_bar.bar = typed;
          calc_.formula_bar_changed(typed);
        }
        return "bar " + typed;
      }
      case 3:
      case 4: {
        const bool single = b % 8 == 4;
        if (!single || input_.byte() % 2 == 0) panel_.set_working_formula(text(24));
        const std::string formula_text = panel_.working_formula();
        calc_.take_formula_result(panel_.calculate(single, calc_.formula_host()), formula_text);
        return "panel " + panel_.working_formula();
      }
      case 5: {
        const std::string selection = text(24);
        grab_into_calculator(calc_, selection, '+');
        return "grab " + selection;
      }
      default:
        reentries_ += 1 + b % 3;
        return "re-enter";
    }
  }

  fuzz::Input input_;
  sim::RecordingPorts ports_;
  Calculator calc_;
  FormulaPanel panel_;
  int depth_ = 0;
  int reentries_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Walk(data, size).run();
  return 0;
}
