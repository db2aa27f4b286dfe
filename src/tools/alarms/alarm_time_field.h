#pragma once
// The alarm page's time field, mask "!99:99:99": how its text becomes a time of day. The window's
// field and the settings file's `Time` are read by this one rule.
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

struct TimeOfDay {
  int milliseconds = 0;  // of the day
  std::string text;      // "HH:MM:SS", as the field shows it and the settings file stores it

  bool operator==(const TimeOfDay&) const = default;
};

// The field's text, or the characters typed into the empty mask, as a time of day. Digits fill
// the hours, minutes and seconds, two places each, moving on to the next pair when one is full
// ("083000" is 08:30:00); a ":" moves on to the next pair at once, so "8:30" is 08:30:00 and
// the mask's own ":"s change nothing. A blank place ('_' or ' ') holds no digit; a pair with one
// digit is that number, and empty minutes or seconds are 0. None for empty hours, hours above
// 23, minutes or seconds above 59, more places than the mask has, or any other character.
std::optional<TimeOfDay> read_time_field(std::string_view text);

// The milliseconds of read_time_field.
std::optional<int> parse_time_of_day(std::string_view text);

}  // namespace orvanta
