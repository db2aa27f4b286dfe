#include "win32/system/desktop_shell.h"

#include <shlobj.h>

#include <vector>

#include "platform/wide.h"
#include "win32/system/shell_link.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

std::string known_folder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  const HRESULT hr = SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path);
  std::string folder;
  if (SUCCEEDED(hr) && path != nullptr) folder = from_wide(path);
  CoTaskMemFree(path);  // also when the call failed
  return folder;
}

std::string environment(const wchar_t* name) {
  std::vector<wchar_t> buffer(MAX_PATH);
  DWORD n = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n > buffer.size()) {
    buffer.resize(n);
    n = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
  }
  if (n == 0 || n >= buffer.size()) return {};
  return from_wide(std::wstring_view(buffer.data(), n));
}

// A string value of the current user's hive; empty when it is absent or no string.
std::string user_registry_text(const wchar_t* key, const wchar_t* value) {
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
      ERROR_SUCCESS) {
    return {};
  }
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
      ERROR_SUCCESS) {
    return {};
  }
  text.resize(wcsnlen(text.c_str(), text.size()));
  return from_wide(text);
}

bool succeeded(HRESULT hr, const wchar_t* what) {
  if (FAILED(hr)) SetLastError(static_cast<DWORD>(hr));
  return check(SUCCEEDED(hr), what);
}

}  // namespace

std::string WindowsDesktopShell::program_path() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return from_wide(std::wstring_view(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

std::string WindowsDesktopShell::known_desktop() {
  return known_folder(FOLDERID_Desktop);
}

std::string WindowsDesktopShell::registry_desktop() {
  return user_registry_text(
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", L"Desktop");
}

StartMenuFolders WindowsDesktopShell::start_menu_folders() {
  return {environment(L"HOMEDRIVE"), environment(L"HOMEPATH"), environment(L"ALLUSERSPROFILE"),
          known_folder(FOLDERID_Programs), known_folder(FOLDERID_CommonPrograms)};
}

bool WindowsDesktopShell::file_exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(to_wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WindowsDesktopShell::write_link(const std::string& path, const std::string& target,
                                     const std::string& working_folder) {
  return succeeded(write_link_file(to_wide(path), to_wide(target), to_wide(working_folder)),
                   L"write_link");
}

bool WindowsDesktopShell::retarget_link(const std::string& path, const std::string& target,
                                        unsigned short hotkey) {
  return succeeded(retarget_link_file(to_wide(path), to_wide(target), hotkey), L"retarget_link");
}

std::string WindowsDesktopShell::calculator_key() {
  return user_registry_text(to_wide(kCalculatorKeyRegistryKey).c_str(),
                            to_wide(kCalculatorKeyValue).c_str());
}

bool WindowsDesktopShell::set_calculator_key(const std::string& program) {
  const std::wstring key = to_wide(kCalculatorKeyRegistryKey);
  const std::wstring value = to_wide(kCalculatorKeyValue);
  if (program.empty()) {
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  }
  const std::wstring text = to_wide(program);
  const LSTATUS status =
      RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), REG_SZ, text.c_str(),
                      static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  SetLastError(static_cast<DWORD>(status));
  return check(status == ERROR_SUCCESS, L"RegSetKeyValueW");
}

}  // namespace orvanta::win32
