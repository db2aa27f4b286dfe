#pragma once
// Port: the strip picture beside the four base buttons, which shows the current base.
#include "numeric/number_base.h"

namespace orvanta {

class BaseStrip {
 public:
  virtual ~BaseStrip() = default;
  virtual void show_base_strip(NumberBase base) = 0;
};

}  // namespace orvanta
