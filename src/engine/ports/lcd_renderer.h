#pragma once
// Port: puts an LCD frame on the screen (glyph bitmaps, indicator pictures, tooltip).
#include "display/lcd_frame.h"

namespace orvanta {

class LcdRenderer {
 public:
  virtual ~LcdRenderer() = default;
  // Called with the whole frame whenever anything in it changed.
  virtual void show(const LcdFrame& frame) = 0;
};

}  // namespace orvanta
