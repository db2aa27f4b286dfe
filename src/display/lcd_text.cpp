#include "display/lcd_text.h"

#include <algorithm>
#include <cmath>

#include "face/face_layout.h"
#include "numeric/extended.h"
#include "numeric/number_text.h"
#include "numeric/profile_values.h"

namespace orvanta {

namespace {

constexpr Extended kTwoTo63 = 9223372036854775808.0L;
constexpr int kMaxDecimals = 15;

bool has_exponent(std::string_view text) {
  return text.find('E') != std::string_view::npos;
}

int decimals_of(std::string_view precision_field) {
  return std::clamp(parse_profile_int(precision_field).value_or(0), 0, kMaxDecimals);
}

}  // namespace

std::string apply_precision(std::string_view text, std::string_view precision_field) {
  Extended value = 0;
  if (precision_field == "-1" || has_exponent(text) || !try_parse_number(text, value)) {
    return std::string(text);
  }
  Extended scale = 1;
  for (int i = decimals_of(precision_field); i > 0; --i) scale *= 10;
  const Extended scaled = value * scale;
  if (!(std::fabs(scaled) < kTwoTo63)) return std::string(text);
  return general_text(std::nearbyint(scaled) / scale);
}

std::string apply_thousands(std::string_view text) {
  Extended value = 0;
  if (has_exponent(text) || !try_parse_number(text, value)) return std::string(text);
  std::string out = thousands_text(value);
  if (out.empty() || out == "0") out = "0.";
  return out;
}

bool has_glyph(char c) {
  return c == ' ' || !glyph_resource(c).empty();
}

std::string_view glyph_resource(char c) {
  for (const face::Glyph& glyph : face::kGlyphs) {
    if (glyph.character == c) return glyph.resource;
  }
  return {};
}

std::string lcd_tooltip(std::string_view text, bool decimal) {
  if (!decimal) return std::string(text);
  Extended value = 0;
  if (!try_parse_number(text, value)) value = 0;
  return tooltip_text(value);
}

}  // namespace orvanta
