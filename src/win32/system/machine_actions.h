#pragma once
// What an alarm does to the machine: open a file with its program, log off, restart, power off.
// The power actions go through MachinePower, so tests put a recorder in its place.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

namespace orvanta::win32 {

// Opens the file with its associated program, shown without being activated; a file that does
// not exist is left alone (false).
bool open_file_unactivated(HWND owner, std::string_view path);

enum class ShutdownKind { LogOff, Restart, PowerOff };

class MachinePower {
 public:
  virtual ~MachinePower() = default;
  virtual void shut_down(ShutdownKind kind) = 0;
};

// The environment variable that makes the program record the power actions in the named file
// instead of carrying them out; only the end-to-end tests set it.
inline constexpr wchar_t kPowerRecorderVariable[] = L"ORVANTA_POWER_RECORDER";

// The system's own, or the recorder when the environment asks for it.
std::unique_ptr<MachinePower> make_machine_power();

}  // namespace orvanta::win32
