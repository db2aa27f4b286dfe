#pragma once
// A local date and time as the clock and the alarms read it; the window takes it from the
// system clock, orvanta-sim and the tests give it.
#include <string>

namespace orvanta {

struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

inline constexpr int kMillisecondsPerDay = 24 * 60 * 60 * 1000;

// Monday 1 ... Saturday 6, Sunday 7 (proleptic Gregorian calendar).
int weekday_of(int year, int month, int day);

// The time of day in milliseconds, 0 to 86,399,999.
int milliseconds_of_day(const LocalDateTime& t);

// "2026-12-08  2": the date, two blanks and the weekday digit.
std::string date_text(const LocalDateTime& t);
// "08:05:09   ": the 24-hour time and three blanks.
std::string time_text(const LocalDateTime& t);

}  // namespace orvanta
