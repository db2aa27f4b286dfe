#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "win32/app/app.h"
#include "win32/app/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  orvanta::win32::App app(instance);
  if (!app.create()) return 1;
  orvanta::win32::set_pre_translate([&app](MSG& msg) { return app.pre_translate(msg); });
  app.show();
  return orvanta::win32::run_message_loop();
}
