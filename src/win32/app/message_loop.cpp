#include "win32/app/message_loop.h"

namespace orvanta::win32 {
namespace {
PreTranslate& filter() {
  static PreTranslate f;
  return f;
}
}  // namespace

void set_pre_translate(PreTranslate f) {
  filter() = std::move(f);
}

bool dispatch(MSG& msg) {
  if (msg.message == WM_QUIT) return false;
  if (filter() && filter()(msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

int run_message_loop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) dispatch(msg);
  return static_cast<int>(msg.wParam);
}

void WindowMessagePump::wait(int milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!dispatch(msg)) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
    }
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}

}  // namespace orvanta::win32
