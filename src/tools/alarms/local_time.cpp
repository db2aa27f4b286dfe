#include "tools/alarms/local_time.h"

#include <cstdio>

namespace orvanta {

int weekday_of(int year, int month, int day) {
  // Days since 1970-01-01 (a Thursday), after Howard Hinnant's days_from_civil.
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long days = static_cast<long>(era) * 146097 + doe - 719468;
  const long monday_based = ((days + 3) % 7 + 7) % 7;  // 1970-01-01 is day 3 from Monday
  return static_cast<int>(monday_based) + 1;
}

int milliseconds_of_day(const LocalDateTime& t) {
  return ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

std::string date_text(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d  %d", t.year, t.month, t.day,
                weekday_of(t.year, t.month, t.day));
  return text;
}

std::string time_text(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d   ", t.hour, t.minute, t.second);
  return text;
}

}  // namespace orvanta
