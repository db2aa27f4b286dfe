#pragma once
// The few file operations the settings file and the history tape need, so the same logic runs on
// Windows, on Linux and against a fake in tests. Paths are UTF-8.
#include <memory>
#include <string>
#include <string_view>

namespace orvanta {

// The outcome of an operation that can fail; `error` is the system's own message.
struct FsResult {
  bool ok = true;
  std::string error;
  // A write failed before any byte went anywhere: the file could not be created or opened.
  bool not_opened = false;

  static FsResult success() { return {}; }
  static FsResult failure(std::string message) { return {false, std::move(message)}; }
  static FsResult open_failure(std::string message) { return {false, std::move(message), true}; }
};

enum class ReadStatus { Ok, NotFound, Failed };

struct ReadResult {
  ReadStatus status = ReadStatus::Ok;
  std::string bytes;
  std::string error;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole file as bytes.
  virtual ReadResult read_file(const std::string& path) = 0;

  // Creates or truncates `path`, writes all of `bytes` and flushes them to the disk. May fail
  // part-way and leave a partial file behind; fails with not_opened when the file cannot be
  // created or opened (nothing was changed then).
  virtual FsResult write_file(const std::string& path, std::string_view bytes) = 0;

  // Adds `bytes` at the end of `path`, creating the file when it is missing. Not flushed: the
  // caller must not wait for the disk. May fail part-way, leaving a partial last piece; fails
  // with not_opened when the file cannot be opened for writing (a read-only file included).
  virtual FsResult append_file(const std::string& path, std::string_view bytes) = 0;

  // Puts `from` in place of `to` in one step: a reader sees either the old or the new file.
  // Fails when `to` exists and is read-only, as on Windows.
  virtual FsResult replace_file(const std::string& from, const std::string& to) = 0;

  // Best effort: used to clean up after a failed write.
  virtual void remove_file(const std::string& path) = 0;

  virtual bool file_exists(const std::string& path) = 0;

  // One level; succeeds when the folder is already there.
  virtual FsResult create_directory(const std::string& path) = 0;

  // A name in the folder of `path` that no other running copy of the program uses.
  virtual std::string temporary_path_for(const std::string& path) = 0;
};

// The platform's real file system.
std::unique_ptr<FileSystem> make_native_file_system();

}  // namespace orvanta
