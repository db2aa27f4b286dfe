#pragma once
// Port: the parts of the face beside the LCD that the keys switch: the base strip picture
// and the constants table.
#include "numeric/number_base.h"

namespace orvanta {

class FacePanels {
 public:
  virtual ~FacePanels() = default;
  // Shows the strip picture of `base` beside the four base buttons.
  virtual void show_base_strip(NumberBase base) = 0;
  // The constants table `gird_cs`: shown by the right button of the pi key, hidden by its left.
  virtual void show_constants_table() = 0;
  virtual void hide_constants_table() = 0;
};

}  // namespace orvanta
