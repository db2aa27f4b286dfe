#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/file_system.h"

namespace orvanta {
namespace {

std::string system_message() {
  return std::strerror(errno);
}

// Closes the descriptor on every path out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Returns false when closing reports a late write error.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// False when the folder of `path` has no write permission bit at all.
bool folder_takes_new_files(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  struct stat info;
  return ::stat(folder.c_str(), &info) != 0 || (info.st_mode & 0222) != 0;
}

// Every byte, whatever a write takes at a time; false with errno set on failure.
bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

class PosixFileSystem final : public FileSystem {
 public:
  ReadResult read_file(const std::string& path) override {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
      if (errno == ENOENT) return {ReadStatus::NotFound, {}, system_message()};
      return {ReadStatus::Failed, {}, system_message()};
    }
    ReadResult result;
    char buffer[8192];
    for (;;) {
      const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        return {ReadStatus::Failed, {}, system_message()};
      }
      result.bytes.append(buffer, static_cast<size_t>(n));
    }
    return result;
  }

  FsResult write_file(const std::string& path, std::string_view bytes) override {
    // A folder without write permission takes no new file; the mode bits are checked here so
    // that this holds for root too, as for the read-only file below.
    if (!file_exists(path) && !folder_takes_new_files(path)) {
      return FsResult::open_failure(std::strerror(EACCES));
    }
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.valid()) return FsResult::open_failure(system_message());
    if (!write_all(fd.get(), bytes)) return FsResult::failure(system_message());
    if (::fsync(fd.get()) != 0 || !fd.close()) return FsResult::failure(system_message());
    return FsResult::success();
  }

  FsResult append_file(const std::string& path, std::string_view bytes) override {
    // The mode bits stand for the read-only attribute, for root too (see write_file).
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0) {
      return FsResult::open_failure(std::strerror(EACCES));
    }
    if (!file_exists(path) && !folder_takes_new_files(path)) {
      return FsResult::open_failure(std::strerror(EACCES));
    }
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (!fd.valid()) return FsResult::open_failure(system_message());
    if (!write_all(fd.get(), bytes)) return FsResult::failure(system_message());
    if (!fd.close()) return FsResult::failure(system_message());
    return FsResult::success();
  }

  FsResult replace_file(const std::string& from, const std::string& to) override {
    // rename() ignores the target's own permissions; Windows refuses to replace a read-only
    // file, and both builds treat such a settings file as not writable. The mode bits stand
    // for the read-only attribute so that this holds for root too.
    struct stat info;
    if (::stat(to.c_str(), &info) == 0 && (info.st_mode & 0222) == 0) {
      return FsResult::failure(std::strerror(EACCES));
    }
    if (::rename(from.c_str(), to.c_str()) != 0) return FsResult::failure(system_message());
    return FsResult::success();
  }

  void remove_file(const std::string& path) override { ::unlink(path.c_str()); }

  bool file_exists(const std::string& path) override {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  }

  FsResult create_directory(const std::string& path) override {
    if (::mkdir(path.c_str(), 0755) == 0) return FsResult::success();
    const int error = errno;
    struct stat info;
    if (error == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
      return FsResult::success();
    }
    errno = error;
    return FsResult::failure(system_message());
  }

  std::string temporary_path_for(const std::string& path) override {
    static std::atomic<unsigned> counter{0};
    return path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
  }
};

}  // namespace

std::unique_ptr<FileSystem> make_native_file_system() {
  return std::make_unique<PosixFileSystem>();
}

}  // namespace orvanta
