#pragma once
// Waiting on the window below without hanging it.
#include <windows.h>

namespace orvanta::win32 {

// Blocks for `ms` while still answering the messages other programs send to this thread's
// windows (a window pasting asks the clipboard's owner for its text; one copying tells the old
// owner it lost the clipboard); nothing posted to this thread runs meanwhile.
void wait_answering(DWORD ms);

}  // namespace orvanta::win32
