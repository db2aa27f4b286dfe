#pragma once
// The one message loop of the program and the "wait while letting messages run" of the core.
#include <windows.h>

#include <functional>

#include "engine/ports/message_pump.h"

namespace orvanta::win32 {

// Called for every message before it is translated and dispatched; returns true when it took
// the message (the main window's key preview).
using PreTranslate = std::function<bool(MSG&)>;
void set_pre_translate(PreTranslate filter);

// Dispatches one message through the filter. Returns false for WM_QUIT.
bool dispatch(MSG& msg);
// Runs until WM_QUIT; returns its exit code.
int run_message_loop();

// Lets messages run for the given time. A WM_QUIT seen meanwhile is posted again so that the
// main loop still ends.
class WindowMessagePump : public MessagePump {
 public:
  void wait(int milliseconds) override;
};

}  // namespace orvanta::win32
