#pragma once
// The dots per inch a window is shown at. GetDpiForWindow (Windows 10 1607 and later) is looked
// up at run time, so the program still starts on Windows 7 and 8, where the system's DPI is the
// only one there is.
#include <windows.h>

namespace orvanta::win32 {

// The DPI of `window`'s monitor as the window sees it, or the system DPI where the system
// cannot tell (or `window` is null).
int window_dpi(HWND window);

}  // namespace orvanta::win32
