#pragma once
// The history tape: the last kLimit finished calculations, oldest first, kept in a file of
// their own beside the settings file (tape_record.h) or, for orvanta-sim, in memory only. The
// file is read when the tape is first used, so start-up reads nothing. A file that cannot be
// read or written never stops the calculator: the tape goes on in memory and says so in its
// note.
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "tools/history/tape_entry.h"

namespace orvanta {

// The tape's file in the settings folder, beside the settings file at `settings_file`.
std::string tape_file_beside(std::string_view settings_file);

inline constexpr std::string_view kTapeFileName = "Talvenor-history.txt";

// What changed, for the panel showing the tape.
struct TapeChange {
  enum class Kind {
    Added,    // a line at the end
    Removed,  // the line at `index` (the oldest, when the tape was full and a line came)
    Cleared,
    Note,  // the note changed
  };
  Kind kind = Kind::Added;
  std::size_t index = 0;
};

class HistoryTape {
 public:
  static constexpr std::size_t kLimit = 1000;

  // In memory only.
  HistoryTape() = default;
  // Kept in the file at `path`.
  HistoryTape(FileSystem& fs, std::string path) : fs_(&fs), path_(std::move(path)) {}

  const std::deque<TapeEntry>& entries();
  // Empty while the file works; otherwise why the tape is only in memory.
  const std::string& note();

  // Appends the line (the oldest goes when the tape is full) and its record.
  void add(TapeEntry entry);
  void remove(std::size_t index);
  void clear();

  // The one listener (the tape panel), told after each change.
  void listen(std::function<void(const TapeChange&)> listener) { listener_ = std::move(listener); }

 private:
  enum class FileState {
    Unread,
    Fine,
    // The file no longer holds the tape as it is (a write failed, or a torn last line must not
    // have the next record glued to it): the next change writes it whole.
    Behind,
    // It could not be read: it is left alone for the rest of the run.
    Unreadable,
  };

  void load();
  void persist_added(const TapeEntry& entry);
  void rewrite();
  void set_note(std::string note);
  void tell(TapeChange::Kind kind, std::size_t index = 0);

  FileSystem* fs_ = nullptr;
  std::string path_;
  FileState state_ = FileState::Unread;
  // Lines in the file, records or not; it is rewritten with the tape alone beyond 2 × kLimit.
  std::size_t file_lines_ = 0;
  std::deque<TapeEntry> entries_;
  std::string note_;
  std::function<void(const TapeChange&)> listener_;
};

}  // namespace orvanta
