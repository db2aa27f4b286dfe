#pragma once
// Port: hands a final result to the output into the window below the calculator, which types
// it there in the chosen form (with the formula, a blank, a line break as its options say).
#include <string_view>

#include "display/output_form.h"

namespace orvanta {

class ResultOutput {
 public:
  virtual ~ResultOutput() = default;
  // `display_text` is the number as the LCD formats it (precision, thousands separators);
  // `value_text` the text that was handed to the display, from which the wordings are made.
  virtual void send(std::string_view display_text, std::string_view value_text,
                    OutputForm form) = 0;
};

}  // namespace orvanta
