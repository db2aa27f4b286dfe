// The formula panel's "计 算" on any text, against a whole calculator with recording ports: a
// run stops within the pass limit (one pass per click in single-step mode), a number it hands
// over reads as one, and whatever reaches the LCD has a glyph for every character.
#include "display/lcd_text.h"
#include "formula/formula_panel.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/lcd_check.h"
#include "numeric/number_text.h"
#include "sim/calculator_sim.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta;
  fuzz::Input input(data, size);
  const std::uint8_t options = input.byte();
  const bool single_step = (options & 1) != 0;
  const std::string formula(input.rest());

  sim::RecordingPorts ports;
  Calculator calculator(ports.ports());
  sim::start_calculator(calculator);
  if (options & 2) calculator.jd_hd(MouseButton::Left);
  if (options & 4) calculator.science_mode_changed(true);

  FormulaPanel panel;
  panel.set_working_formula(formula);
  // In single-step mode the user clicks on until a number shows; a few clicks are enough here.
  for (int click = 0; click < (single_step ? 8 : 1); ++click) {
    const FormulaRun run = panel.calculate(single_step, calculator.formula_host());
    fuzz::check(run.passes <= (single_step ? 1 : kMaxFormulaPasses), "too many passes", formula);
    if (run.number_text) {
      Extended value = 0;
      fuzz::check(try_parse_number(*run.number_text, value), "a result that is no number",
                  *run.number_text);
    }
    calculator.take_formula_result(run, formula);
    fuzz::check_lcd(ports.lcd.frame, formula);
    if (!run.evaluated || run.number_text) break;
  }
  return 0;
}
