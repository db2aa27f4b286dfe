#include "tools/alarms/alarm_time_field.h"

#include <array>

namespace orvanta {
namespace {

constexpr int kPairs = 3;
constexpr int kPlaces = 2;
constexpr std::array<int, kPairs> kLimits = {23, 59, 59};

struct Pair {
  int value = 0;
  int digits = 0;
};

}  // namespace

std::optional<TimeOfDay> read_time_field(std::string_view text) {
  std::array<Pair, kPairs> pairs{};
  int pair = 0;
  int places = 0;  // places of `pair` already filled, digits or blanks
  for (const char ch : text) {
    const bool digit = ch >= '0' && ch <= '9';
    if (digit || ch == '_' || ch == ' ') {
      if (places == kPlaces) {
        if (++pair == kPairs) return std::nullopt;
        places = 0;
      }
      ++places;
      if (digit) {
        pairs[pair].value = pairs[pair].value * 10 + (ch - '0');
        ++pairs[pair].digits;
      }
    } else if (ch == ':') {
      if (++pair == kPairs) return std::nullopt;
      places = 0;
    } else {
      return std::nullopt;
    }
  }
  if (pairs[0].digits == 0) return std::nullopt;
  for (int i = 0; i < kPairs; ++i) {
    if (pairs[i].value > kLimits[i]) return std::nullopt;
  }
  TimeOfDay time;
  time.milliseconds = ((pairs[0].value * 60 + pairs[1].value) * 60 + pairs[2].value) * 1000;
  for (int i = 0; i < kPairs; ++i) {
    if (i > 0) time.text += ':';
    time.text += static_cast<char>('0' + pairs[i].value / 10);
    time.text += static_cast<char>('0' + pairs[i].value % 10);
  }
  return time;
}

std::optional<int> parse_time_of_day(std::string_view text) {
  const std::optional<TimeOfDay> time = read_time_field(text);
  if (!time) return std::nullopt;
  return time->milliseconds;
}

}  // namespace orvanta
