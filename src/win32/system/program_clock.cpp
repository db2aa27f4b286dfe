#include "win32/system/program_clock.h"

namespace orvanta::win32 {

SYSTEMTIME ProgramClock::local_time() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  if (offset_ms_ == 0) return now;
  FILETIME file{};
  if (!SystemTimeToFileTime(&now, &file)) return now;
  ULARGE_INTEGER ticks{};  // 100-nanosecond units
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  ticks.QuadPart += offset_ms_ * 10000;
  file.dwLowDateTime = ticks.LowPart;
  file.dwHighDateTime = ticks.HighPart;
  SYSTEMTIME shifted{};
  return FileTimeToSystemTime(&file, &shifted) ? shifted : now;
}

UINT test_clock_message() {
  static const UINT message = GetEnvironmentVariableW(L"ORVANTA_TEST_CLOCK", nullptr, 0) != 0
                                  ? RegisterWindowMessageW(L"OrvantaAdvanceClock")
                                  : 0;
  return message;
}

}  // namespace orvanta::win32
