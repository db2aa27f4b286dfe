#include "display/lcd_text.h"

#include <algorithm>
#include <charconv>
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

std::string typed_thousands(std::string_view text) {
  const std::size_t start = text.starts_with('-') ? 1 : 0;
  const std::size_t digits_end = text.find_first_not_of("0123456789", start);
  const std::size_t end = digits_end == std::string_view::npos ? text.size() : digits_end;
  const std::string_view rest = text.substr(end);
  const bool typed_number =
      end > start && (rest.empty() || (rest[0] == '.' && rest.find_first_not_of("0123456789", 1) ==
                                                             std::string_view::npos));
  if (!typed_number) return std::string(text);
  std::string out(text.substr(0, start));
  for (std::size_t i = start; i < end; ++i) {
    if (i > start && (end - i) % 3 == 0) out += ',';
    out += text[i];
  }
  out += rest;
  return out;
}

std::string fit_exponent_form(std::string_view text, std::size_t cells) {
  const std::size_t e = text.find('E');
  if (text.size() <= cells || e == std::string_view::npos) return std::string(text);
  const bool negative = text.starts_with('-');
  const std::string_view mantissa = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
  int exponent = 0;
  const auto [end, error] =
      std::from_chars(text.data() + e + 1, text.data() + text.size(), exponent);
  if (error != std::errc() || end != text.data() + text.size()) return std::string(text);
  // The mantissa "d.ddd" as its digits; it must be one digit, then a point and digits.
  std::string digits;
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    const char c = mantissa[i];
    if (c == '.' && i == 1) continue;
    if (c < '0' || c > '9') return std::string(text);
    digits += c;
  }
  if (digits.empty() || digits[0] == '0') return std::string(text);
  for (;;) {
    const std::string exponent_text = "E" + std::to_string(exponent);
    const std::size_t room = cells - exponent_text.size() - (negative ? 1 : 0);
    // "d" alone, or "d." and as many decimals as fit.
    const std::size_t keep = room >= 3 ? room - 1 : 1;
    std::string kept = digits.substr(0, keep);
    if (digits.size() > keep && digits[keep] >= '5') {
      std::size_t i = kept.size();
      while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
      if (i == 0) {
        // 9.99... rounds to 10: one more in the exponent, whose text may grow by a cell.
        digits = "1";
        ++exponent;
        continue;
      }
      ++kept[i - 1];
    }
    while (kept.size() > 1 && kept.back() == '0') kept.pop_back();
    std::string out = negative ? "-" : "";
    out += kept[0];
    if (kept.size() > 1) out += "." + kept.substr(1);
    return out + exponent_text;
  }
}

std::size_t integer_cells(std::string_view text) {
  return std::min(text.find('.'), text.size());
}

std::string fit_to_cells(std::string_view text, std::size_t cells) {
  if (has_exponent(text)) return fit_exponent_form(text, cells);
  if (text.size() <= cells) return std::string(text);
  const bool negative = text.starts_with('-');
  const std::string_view unsigned_text = text.substr(negative ? 1 : 0);
  const std::size_t point = std::min(unsigned_text.find('.'), unsigned_text.size());
  const std::string_view whole = unsigned_text.substr(0, point);
  const std::string_view fraction = unsigned_text.substr(std::min(point + 1, unsigned_text.size()));
  const auto is_digits = [](std::string_view part) {
    return part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (whole.empty() || !is_digits(whole) || !is_digits(fraction)) return std::string(text);
  // Too big for the cells, or so small (below 1E-4, where the general form also turns to the
  // exponent) that the first cells would show few digits or none: 0.000000000000033 is 3.3E-14.
  const bool too_big = whole.size() > cells - (negative ? 1 : 0) && whole[0] != '0';
  const bool too_small = whole == "0" && fraction.starts_with("0000");
  if (!too_big && !too_small) return std::string(text);
  std::string digits = std::string(whole) + std::string(fraction);
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return std::string(text);
  digits.erase(0, first);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const long exponent = static_cast<long>(whole.size()) - 1 - static_cast<long>(first);
  std::string exponent_form = negative ? "-" : "";
  exponent_form += digits[0];
  if (digits.size() > 1) exponent_form += "." + digits.substr(1);
  exponent_form += "E" + std::to_string(exponent);
  return fit_exponent_form(exponent_form, cells);
}

bool cells_show_whole(std::string_view drawn, std::string_view text, std::size_t cells) {
  Extended value = 0;
  if (!try_parse_number(text, value)) return text.size() <= cells;
  std::string digits(drawn);
  std::erase(digits, ',');
  Extended shown = 0;
  return try_parse_number(digits, shown) && shown == value;
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
