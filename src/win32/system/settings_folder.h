#pragma once
// The settings folder on this machine: the all-users application-data folder, or the system
// folder when the shell cannot name it, with "\Talvenor" appended (not yet created).
#include <windows.h>

#include <string>

namespace orvanta::win32 {

std::string find_settings_dir(HWND owner);

}  // namespace orvanta::win32
