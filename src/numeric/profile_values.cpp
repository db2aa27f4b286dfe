#include "numeric/profile_values.h"

#include <cstdint>

namespace orvanta {
namespace {

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int> parse_profile_int(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
    if (text.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
      const int digit = hex_digit(c);
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
  }

  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

int profile_int(const std::optional<std::string>& stored, int default_value) {
  if (!stored) return default_value;
  return parse_profile_int(*stored).value_or(default_value);
}

bool profile_bool(const std::optional<std::string>& stored, bool default_value) {
  return profile_int(stored, default_value ? 1 : 0) != 0;
}

std::string profile_text(int value) {
  return std::to_string(value);
}

std::string profile_text(bool value) {
  return value ? "1" : "0";
}

}  // namespace orvanta
