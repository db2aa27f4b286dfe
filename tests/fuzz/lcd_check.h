#pragma once
// The LCD frame can always be drawn: at most 14 cells, each character one with a glyph.
#include "display/lcd_frame.h"
#include "display/lcd_text.h"
#include "fuzz/fuzz_support.h"

namespace orvanta::fuzz {

inline void check_lcd(const LcdFrame& frame, std::string_view input) {
  check(frame.text.size() <= LcdFrame::kCells, "more characters than LCD cells", frame.text);
  for (const char ch : frame.text) {
    check(ch == ' ' || has_glyph(ch), "an LCD character without a glyph",
          frame.text + " after " + std::string(input));
  }
}

}  // namespace orvanta::fuzz
