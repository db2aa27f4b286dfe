#pragma once
// The program's sense of time: the system's clocks plus an offset. Only the end-to-end tests
// move the offset (the environment names ORVANTA_TEST_CLOCK and a registered message asks), so
// what waits seconds in real use (the first-run tip, the alarms) is reached at once there.
#include <windows.h>

namespace orvanta::win32 {

class ProgramClock {
 public:
  // Milliseconds since the system started, plus the offset.
  ULONGLONG milliseconds() const { return GetTickCount64() + offset_ms_; }
  // The local date and time, plus the offset.
  SYSTEMTIME local_time() const;
  void advance(ULONGLONG milliseconds) { offset_ms_ += milliseconds; }

 private:
  ULONGLONG offset_ms_ = 0;
};

// The message that advances the clock (wParam: milliseconds) and runs what became due; 0, and
// never received, unless ORVANTA_TEST_CLOCK is set in the environment.
UINT test_clock_message();

}  // namespace orvanta::win32
