#pragma once
// Failures of Win32 calls the user is not told about still leave a trace in the debugger output.
#include <windows.h>

namespace orvanta::win32 {

// Returns ok unchanged; when it is false, writes "<what> failed: <GetLastError()>" to the debug
// output.
bool check(bool ok, const wchar_t* what);

template <typename T>
T check_handle(T handle, const wchar_t* what) {
  check(handle != nullptr, what);
  return handle;
}

}  // namespace orvanta::win32
