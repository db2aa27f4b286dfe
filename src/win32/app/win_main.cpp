#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "win32/app/main_window.h"
#include "win32/app/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  orvanta::win32::Tcomputer_qel window(instance);
  if (!window.create()) return 1;
  orvanta::win32::set_pre_translate([&window](MSG& msg) { return window.pre_translate(msg); });
  window.show();
  return orvanta::win32::run_message_loop();
}
