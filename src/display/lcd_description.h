#pragma once
// The LCD as a screen reader reads it: the number as the cells show it, and its lights in words.
#include <string>

#include "display/lcd_frame.h"
#include "numeric/number_base.h"

namespace orvanta {

// The text of the cells without the blanks before it ("0.", "1,234.5", "......").
std::string lcd_value(const LcdFrame& frame);

// The lights that are on and the base, in words, in the order they stand on the LCD:
// "语音开，存储器有数，普通模式，角度，十进制，加" (an empty light is not named).
std::string lcd_description(const LcdIndicators& lights, NumberBase base);

}  // namespace orvanta
