#pragma once
// Port: the unit converter follows the number on the LCD.
#include <string_view>

#include "numeric/number_base.h"

namespace orvanta {

class ConverterRefresh {
 public:
  virtual ~ConverterRefresh() = default;
  // Recomputes converter category `category` (0 ... 10) from the displayed number text; the
  // converter follows only a decimal display and shows its main units only then.
  virtual void refresh(int category, std::string_view unit_source_text, NumberBase base) = 0;
};

}  // namespace orvanta
