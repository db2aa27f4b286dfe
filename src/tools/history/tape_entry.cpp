#include "tools/history/tape_entry.h"

#include <cmath>
#include <cstdio>
#include <exception>

#include "numeric/base_conversion.h"
#include "numeric/number_text.h"

namespace orvanta {
namespace {

constexpr std::size_t kHeadDigits = 20;
constexpr std::size_t kTailDigits = 10;

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view base_suffix(NumberBase base) {
  switch (base) {
    case NumberBase::Hex:
      return " (HEX)";
    case NumberBase::Oct:
      return " (OCT)";
    case NumberBase::Bin:
      return " (BIN)";
    case NumberBase::Dec:
      break;
  }
  return {};
}

std::optional<Extended> finite_value(std::string_view text) {
  Extended value = 0;
  if (text.empty() || !try_parse_number(text, value) || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The decimal number a click enters: the result read in its base; a big number as the nearest
// value the calculator holds, none beyond its range.
std::string value_of(const FinalResult& result) {
  if (result.source == ResultSource::BigNumbers) {
    const std::optional<Extended> value = finite_value(result.result_text);
    return value ? plain_text(*value) : std::string();
  }
  try {
    std::string decimal = to_decimal(result.result_text, result.base);
    return finite_value(decimal) ? decimal : std::string();
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

std::string shortened_numbers(std::string_view text, std::size_t longest) {
  std::string out;
  out.reserve(text.size() < 128 ? text.size() : 128);
  for (std::size_t i = 0; i < text.size();) {
    if (!is_digit(text[i])) {
      out += text[i++];
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && is_digit(text[end])) ++end;
    const std::size_t length = end - i;
    if (length <= longest || length <= kHeadDigits + kTailDigits) {
      out.append(text, i, length);
    } else {
      out.append(text, i, kHeadDigits);
      out += "…";
      out.append(text, end - kTailDigits, kTailDigits);
      out += "（共" + std::to_string(length) + "位）";
    }
    i = end;
  }
  return out;
}

std::string tape_line(const TapeEntry& entry) {
  return shortened_numbers(entry.calculation, kShownDigits) + "=" +
         shortened_numbers(entry.result, kShownDigits) + std::string(base_suffix(entry.base));
}

std::string tape_copy_text(const TapeEntry& entry) {
  return entry.calculation + "=" + entry.result + std::string(base_suffix(entry.base));
}

std::string tape_time(const TapeEntry& entry) {
  // "2024-05-01 08:30:05": month, day, hour and minute.
  return entry.time.size() >= 16 ? entry.time.substr(5, 11) : entry.time;
}

std::string tape_timestamp(int year, int month, int day, int hour, int minute, int second) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute,
                second);
  return text;
}

std::optional<Extended> tape_value(const TapeEntry& entry) {
  return finite_value(entry.value);
}

std::optional<TapeEntry> tape_entry_for(const FinalResult& result, std::string time) {
  if (result.repeated || result.calculation.empty() || result.result_text.empty()) {
    return std::nullopt;
  }
  TapeEntry entry;
  entry.time = std::move(time);
  entry.source = result.source;
  entry.base = result.base;
  entry.calculation = result.calculation;
  entry.result = result.result_text;
  entry.value = value_of(result);
  return entry;
}

}  // namespace orvanta
