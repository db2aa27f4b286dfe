#pragma once
// What the LCD shows: the drawn characters, the indicator lights and the tooltip.
#include <cstddef>
#include <string>

#include "face/face_layout.h"

namespace orvanta {

// The small pictures over the LCD's top rows, each shown or hidden as a whole.
struct LcdIndicators {
  bool sound_on = false;
  bool mem_on = false;
  bool error_on = false;
  bool pt_mode = false;   // normal mode
  bool kx_mode = false;   // scientific mode
  bool angle_jd = false;  // degrees
  bool angle_hd = false;  // radians
  bool add_on = false;
  bool sub_on = false;
  bool sum_on = false;
  bool div_on = false;

  bool operator==(const LcdIndicators&) const = default;
};

struct LcdFrame {
  static constexpr std::size_t kCells = face::kLcdCellCount;

  // The characters drawn, at most 14, filling the cells from the right: the last character
  // sits in cell 0 (the rightmost). A blank leaves its cell empty.
  std::string text;
  LcdIndicators lights;
  // The full value shown when the mouse rests on the LCD.
  std::string tooltip;

  // Character of cell i counted from the right (0 = rightmost); ' ' for an empty cell.
  char cell(std::size_t i) const { return i < text.size() ? text[text.size() - 1 - i] : ' '; }

  bool operator==(const LcdFrame&) const = default;
};

}  // namespace orvanta
