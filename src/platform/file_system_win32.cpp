#include <windows.h>

#include <atomic>
#include <string>

#include "platform/file_system.h"
#include "platform/handles_win32.h"
#include "platform/wide.h"

namespace orvanta {
namespace {

// The system's text for an error code, in the user's language.
std::string system_message(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  if (length == 0 || buffer == nullptr) return "Windows error " + std::to_string(code);
  DWORD end = length;
  while (end > 0 &&
         (buffer[end - 1] == L'\r' || buffer[end - 1] == L'\n' || buffer[end - 1] == L' '))
    --end;
  std::string message = from_wide(std::wstring_view(buffer, end));
  ::LocalFree(buffer);
  return message;
}

std::string last_error_message() {
  return system_message(::GetLastError());
}

// CreateFileW reports failure as INVALID_HANDLE_VALUE, not null.
bool opened(const win32::UniqueKernelHandle& file) {
  return file.get() != INVALID_HANDLE_VALUE;
}

// Closing can report a late write error, so the result is kept.
bool close_checked(win32::UniqueKernelHandle& file) {
  return ::CloseHandle(file.release()) != FALSE;
}

// Every byte, in pieces a DWORD counts; false with the last error set on failure.
bool write_all(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = bytes.size() > 0x100000 ? 0x100000 : static_cast<DWORD>(bytes.size());
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

class Win32FileSystem final : public FileSystem {
 public:
  ReadResult read_file(const std::string& path) override {
    win32::UniqueKernelHandle file(::CreateFileW(
        to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened(file)) {
      const DWORD error = ::GetLastError();
      const ReadStatus status = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                                    ? ReadStatus::NotFound
                                    : ReadStatus::Failed;
      return {status, {}, system_message(error)};
    }
    ReadResult result;
    char buffer[8192];
    for (;;) {
      DWORD read = 0;
      if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
        return {ReadStatus::Failed, {}, last_error_message()};
      }
      if (read == 0) break;
      result.bytes.append(buffer, read);
    }
    return result;
  }

  FsResult write_file(const std::string& path, std::string_view bytes) override {
    win32::UniqueKernelHandle file(::CreateFileW(to_wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened(file)) return FsResult::open_failure(last_error_message());
    if (!write_all(file.get(), bytes)) return FsResult::failure(last_error_message());
    if (!::FlushFileBuffers(file.get()) || !close_checked(file)) {
      return FsResult::failure(last_error_message());
    }
    return FsResult::success();
  }

  FsResult append_file(const std::string& path, std::string_view bytes) override {
    const std::wstring wide = to_wide(path);
    // Wine maps the read-only attribute to Unix permissions, which do not stop root: the
    // attribute is checked here, as Windows itself refuses the file.
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
      return FsResult::open_failure(system_message(ERROR_ACCESS_DENIED));
    }
    // Readers may look at the file meanwhile; nobody else writes into it.
    win32::UniqueKernelHandle file(::CreateFileW(wide.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                 nullptr));
    if (!opened(file)) return FsResult::open_failure(last_error_message());
    if (!write_all(file.get(), bytes)) return FsResult::failure(last_error_message());
    if (!close_checked(file)) return FsResult::failure(last_error_message());
    return FsResult::success();
  }

  FsResult replace_file(const std::string& from, const std::string& to) override {
    const std::wstring target = to_wide(to);
    // Windows refuses this too; Wine maps the attribute to Unix permissions, which rename
    // ignores, so the check is made here for both.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
      return FsResult::failure(system_message(ERROR_ACCESS_DENIED));
    }
    if (!::MoveFileExW(to_wide(from).c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return FsResult::failure(last_error_message());
    }
    return FsResult::success();
  }

  void remove_file(const std::string& path) override { ::DeleteFileW(to_wide(path).c_str()); }

  bool file_exists(const std::string& path) override {
    const DWORD attributes = ::GetFileAttributesW(to_wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  FsResult create_directory(const std::string& path) override {
    const std::wstring wide = to_wide(path);
    if (::CreateDirectoryW(wide.c_str(), nullptr)) return FsResult::success();
    const DWORD error = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return FsResult::success();
    }
    return FsResult::failure(system_message(error));
  }

  std::string temporary_path_for(const std::string& path) override {
    static std::atomic<unsigned> counter{0};
    return path + ".~" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++) +
           ".tmp";
  }
};

}  // namespace

std::unique_ptr<FileSystem> make_native_file_system() {
  return std::make_unique<Win32FileSystem>();
}

}  // namespace orvanta
