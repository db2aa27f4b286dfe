// The exchange with the window below, as the main window takes part in it: the settings panel's
// options handed to the output, and the grab hand beside the LCD.
#include "face/face_layout.h"
#include "tools/exchange_options.h"
#include "tools/grab_into_calculator.h"
#include "win32/app/main_window.h"
#include "win32/system/geometry.h"

namespace orvanta::win32 {

RECT Tcomputer_qel::grab_hand_rect() {
  return indicator_rect("input_hand");
}

void Tcomputer_qel::exchange_options_changed() {
  const Options& o = calculator_->options();
  ports_.output.options() = exchange_options(o);
  ports_.exchange.set_skip_topmost(o.ignore_topmost);
  ports_.exchange.set_stay_on_top(o.stay_on_top);
}

void Tcomputer_qel::grab_from_below() {
  // While the window below copies, a display refresh leaves the formula bar alone.
  CalcState& st = calculator_->calc_state();
  st.keep_formula_once = true;
  const std::optional<std::string> selection = ports_.exchange.copy_selection_below();
  st.keep_formula_once = false;
  grab_into_calculator(*calculator_, ports_.formula_bar, selection,
                       ports_.output.options().capture_operator);
}

}  // namespace orvanta::win32
