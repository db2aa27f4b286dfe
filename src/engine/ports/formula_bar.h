#pragma once
// Port: the formula bar above the LCD (`show_gs`), which shows the calculator's chain. In
// scientific mode the user may edit it; the bar reports each edit (formula_bar_changed), so the
// calculator keeps the text itself and never reads the bar back.
#include <string_view>

namespace orvanta {

class FormulaBar {
 public:
  virtual ~FormulaBar() = default;
  virtual void set_text(std::string_view text) = 0;
  // Editable in scientific mode, read-only in normal mode.
  virtual void set_read_only(bool read_only) = 0;
};

}  // namespace orvanta
