#pragma once
// The converter's degrees/minutes/seconds column: a value read as decimal degrees written as
// degrees, minutes and seconds, and a value read as degrees.minutes-seconds written as decimal
// degrees.
#include <string>

#include "numeric/extended.h"

namespace orvanta {

// 5.3345 -> "5°20′4″". Seconds are rounded to whole seconds (halves to even); 60 seconds carry
// into the minutes and 60 minutes into the degrees. A negative value has one sign in front
// (-2.5 -> "-2°30′0″").
std::string dms_text(Extended degrees);

// 5.3345 (5°33′45″) -> "5.5625°". The first two fractional digits are the minutes and the next
// two the seconds, a missing digit counting as a trailing 0 (5.5 is 5°50′, 5.334 is 5°33′40″);
// digits after the fourth are fractions of a second. The result has at most 15 significant
// digits.
std::string decimal_degrees_text(Extended dms);

}  // namespace orvanta
