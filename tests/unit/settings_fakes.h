#pragma once
// An in-memory file system that can fail on cue.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace orvanta::testing {

class FakeFileSystem final : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> directories;
  std::set<std::string> read_only;
  std::set<std::string> unreadable;
  // When set, a write stores this many bytes of its data and then fails, as on a full disk.
  std::optional<size_t> disk_full_after;
  bool refuse_directories = false;
  // A folder whose permissions let its files be changed but take no new file.
  bool refuse_new_files = false;

  ReadResult read_file(const std::string& path) override {
    if (unreadable.count(path)) return {ReadStatus::Failed, {}, "access denied"};
    const auto it = files.find(path);
    if (it == files.end()) return {ReadStatus::NotFound, {}, "not found"};
    return {ReadStatus::Ok, it->second, {}};
  }

  FsResult write_file(const std::string& path, std::string_view bytes) override {
    if (read_only.count(path)) return FsResult::open_failure("access denied");
    if (refuse_new_files && !files.count(path)) return FsResult::open_failure("access denied");
    if (disk_full_after && bytes.size() > *disk_full_after) {
      files[path] = std::string(bytes.substr(0, *disk_full_after));
      return FsResult::failure("disk full");
    }
    files[path] = std::string(bytes);
    return FsResult::success();
  }

  FsResult append_file(const std::string& path, std::string_view bytes) override {
    if (read_only.count(path)) return FsResult::open_failure("access denied");
    if (refuse_new_files && !files.count(path)) return FsResult::open_failure("access denied");
    if (disk_full_after && bytes.size() > *disk_full_after) {
      files[path] += std::string(bytes.substr(0, *disk_full_after));
      return FsResult::failure("disk full");
    }
    files[path] += std::string(bytes);
    return FsResult::success();
  }

  FsResult replace_file(const std::string& from, const std::string& to) override {
    if (read_only.count(to)) return FsResult::failure("access denied");
    const auto it = files.find(from);
    if (it == files.end()) return FsResult::failure("not found");
    files[to] = it->second;
    files.erase(it);
    return FsResult::success();
  }

  void remove_file(const std::string& path) override { files.erase(path); }

  bool file_exists(const std::string& path) override { return files.count(path) != 0; }

  FsResult create_directory(const std::string& path) override {
    if (refuse_directories) return FsResult::failure("access denied");
    directories.insert(path);
    return FsResult::success();
  }

  std::string temporary_path_for(const std::string& path) override { return path + ".tmp"; }
};

}  // namespace orvanta::testing
