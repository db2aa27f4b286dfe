#include "tools/units/angle_text.h"

#include <cmath>
#include <string_view>

#include "numeric/number_text.h"

namespace orvanta {
namespace {

std::string signed_text(bool negative, std::string text) {
  return negative ? "-" + text : text;
}

// Two digits of the notation as a number, a missing one counting as 0, and any further
// digits as its fraction: "5" -> 50, "45123" -> 45.123.
Extended two_place_value(std::string_view digits) {
  std::string text(digits.substr(0, 2));
  text.resize(2, '0');
  if (digits.size() > 2) text += "." + std::string(digits.substr(2));
  return parse_number(text);
}

}  // namespace

std::string dms_text(Extended degrees) {
  const bool negative = degrees < 0;
  const Extended magnitude = std::fabs(degrees);
  Extended d = std::trunc(magnitude);
  const Extended t = (magnitude - d) * 60;
  Extended m = std::trunc(t);
  Extended s = std::nearbyint((t - m) * 60);
  if (s == 60) {
    s = 0;
    m += 1;
  }
  if (m == 60) {
    m = 0;
    d += 1;
  }
  const bool shown_zero = d == 0 && m == 0 && s == 0;
  return signed_text(negative && !shown_zero,
                     fix_text(d) + "°" + fix_text(m) + "′" + fix_text(s) + "″");
}

std::string decimal_degrees_text(Extended dms) {
  const bool negative = dms < 0;
  // The digits as the number was written (at most 15 decimals), not its binary noise.
  const std::string written = fix_text(std::fabs(dms));
  const std::size_t point = written.find('.');
  // Whole degrees, or a value so large (exponent form) that it has no fraction left.
  if (point == std::string::npos || written.find('E') != std::string::npos) {
    return signed_text(negative && written != "0", written) + "°";
  }
  const std::string_view fraction = std::string_view(written).substr(point + 1);
  Extended result = parse_number(std::string_view(written).substr(0, point));
  result += two_place_value(fraction.substr(0, 2)) / 60;
  if (fraction.size() > 2) result += two_place_value(fraction.substr(2)) / 3600;
  const std::string text = general_text(result);
  return signed_text(negative && text != "0", text) + "°";
}

}  // namespace orvanta
