#pragma once
// Running the probe's own message queue between timed stretches, as a message loop would.
#include <windows.h>

namespace orvanta::probe {

// Runs what is waiting (timer ticks, repaints, posted work) until the queue is empty.
inline void run_pending_messages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline void let_messages_run(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    run_pending_messages();
    Sleep(5);
  }
}

}  // namespace orvanta::probe
