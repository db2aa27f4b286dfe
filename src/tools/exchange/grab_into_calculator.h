#pragma once
// The end of a grab from the window below: the text read from the clipboard becomes a
// formula in the formula bar and its value the number on the LCD.
#include <optional>
#include <string>
#include <string_view>

#include "engine/calculator.h"

namespace orvanta {

// `clipboard` is the text the window below copied, none when the clipboard held no text.
// On success the bar shows the grabbed formula and the LCD its value (0 when the evaluator
// refused the formula), as the number being typed, and a computed value goes with its formula
// to the takers of finished results; returns the formula. When there is no
// number in the text the bar shows kGrabFailedText, the calculator is left as it was, and the
// result is none; anything failing on the way ends the same way.
std::optional<std::string> grab_into_calculator(Calculator& calculator,
                                                std::optional<std::string_view> clipboard,
                                                char capture_operator);

}  // namespace orvanta
