#include "win32/system/machine_actions.h"

#include <shellapi.h>

#include "platform/wide.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

// Enables the shut-down privilege of this process; a refusal shows when the call that needs it
// fails.
void enable_shutdown_privilege() {
  HANDLE token = nullptr;
  if (!check(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token) !=
                 FALSE,
             L"OpenProcessToken")) {
    return;
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (check(
          LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) != FALSE,
          L"LookupPrivilegeValueW")) {
    check(AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) != FALSE,
          L"AdjustTokenPrivileges");
  }
  CloseHandle(token);
}

class SystemPower final : public MachinePower {
 public:
  void shut_down(ShutdownKind kind) override {
    // Programs are asked to close and may save their work; only hung ones are forced.
    UINT flags = EWX_FORCEIFHUNG;
    switch (kind) {
      case ShutdownKind::LogOff:
        flags |= EWX_LOGOFF;
        break;
      case ShutdownKind::Restart:
        enable_shutdown_privilege();
        flags |= EWX_REBOOT;
        break;
      case ShutdownKind::PowerOff:
        enable_shutdown_privilege();
        flags |= EWX_POWEROFF;
        break;
    }
    check(ExitWindowsEx(flags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED) != FALSE,
          L"ExitWindowsEx");
  }
};

// One line per call: "log_off", "restart" or "power_off".
class RecordingPower final : public MachinePower {
 public:
  explicit RecordingPower(std::wstring path) : path_(std::move(path)) {}
  void shut_down(ShutdownKind kind) override {
    static constexpr std::string_view kNames[] = {"log_off\n", "restart\n", "power_off\n"};
    const std::string_view line = kNames[static_cast<int>(kind)];
    const HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!check(file != INVALID_HANDLE_VALUE, L"CreateFileW")) return;
    DWORD written = 0;
    check(WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) != FALSE,
          L"WriteFile");
    CloseHandle(file);
  }

 private:
  std::wstring path_;
};

}  // namespace

bool open_file_unactivated(HWND owner, std::string_view path) {
  const std::wstring file = to_wide(path);
  if (file.empty() || GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNOACTIVATE));
  return check(result > 32, L"ShellExecuteW");
}

std::unique_ptr<MachinePower> make_machine_power() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(kPowerRecorderVariable, path, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::make_unique<RecordingPower>(path);
  return std::make_unique<SystemPower>();
}

}  // namespace orvanta::win32
