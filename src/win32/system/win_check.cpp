#include "win32/system/win_check.h"

#include <cwchar>

namespace orvanta::win32 {

bool check(bool ok, const wchar_t* what) {
  if (!ok) {
    wchar_t line[256];
    std::swprintf(line, 256, L"orvanta: %ls failed: %lu\n", what, GetLastError());
    OutputDebugStringW(line);
  }
  return ok;
}

}  // namespace orvanta::win32
