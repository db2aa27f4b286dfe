#pragma once
// Port: the formula bar above the LCD (`show_gs`). In scientific mode the user may edit it,
// so the calculator reads its text back before evaluating.
#include <string>
#include <string_view>

namespace orvanta {

class FormulaBar {
 public:
  virtual ~FormulaBar() = default;
  virtual void set_text(std::string_view text) = 0;
  virtual std::string text() const = 0;
  // Editable in scientific mode, read-only in normal mode.
  virtual void set_read_only(bool read_only) = 0;
};

}  // namespace orvanta
