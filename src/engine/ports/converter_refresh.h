#pragma once
// Port: the unit converter follows the number on the LCD.
#include <string_view>

namespace orvanta {

class ConverterRefresh {
 public:
  virtual ~ConverterRefresh() = default;
  // Recomputes converter category `category` (0 ... 10) from the displayed number text.
  virtual void refresh(int category, std::string_view unit_source_text) = 0;
};

}  // namespace orvanta
