#include "tools/history/history_tape.h"

#include "settings/atomic_write.h"
#include "tools/history/tape_record.h"

namespace orvanta {

std::string tape_file_beside(std::string_view settings_file) {
  const std::size_t slash = settings_file.find_last_of("\\/");
  if (slash == std::string_view::npos) return std::string(kTapeFileName);
  return std::string(settings_file.substr(0, slash + 1)) + std::string(kTapeFileName);
}

const std::deque<TapeEntry>& HistoryTape::entries() {
  load();
  return entries_;
}

const std::string& HistoryTape::note() {
  load();
  return note_;
}

void HistoryTape::add(TapeEntry entry) {
  load();
  entries_.push_back(std::move(entry));
  if (entries_.size() > kLimit) {
    entries_.pop_front();
    tell(TapeChange::Kind::Removed, 0);
  }
  tell(TapeChange::Kind::Added, entries_.size() - 1);
  persist_added(entries_.back());
}

void HistoryTape::remove(std::size_t index) {
  load();
  if (index >= entries_.size()) return;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  tell(TapeChange::Kind::Removed, index);
  rewrite();
}

void HistoryTape::clear() {
  load();
  entries_.clear();
  tell(TapeChange::Kind::Cleared);
  rewrite();
}

void HistoryTape::load() {
  if (state_ != FileState::Unread) return;
  state_ = FileState::Fine;
  if (fs_ == nullptr) return;
  ReadResult read = fs_->read_file(path_);
  if (read.status == ReadStatus::NotFound) return;
  if (read.status == ReadStatus::Failed) {
    // Left alone: writing it would lose what it holds.
    state_ = FileState::Unreadable;
    set_note("历史记录文件无法读取，本次的记录只保存在内存中：" + read.error);
    return;
  }
  TapeRead tape = read_tape(read.bytes, kLimit);
  entries_.assign(std::make_move_iterator(tape.entries.begin()),
                  std::make_move_iterator(tape.entries.end()));
  file_lines_ = tape.lines;
  if (tape.torn) state_ = FileState::Behind;
}

void HistoryTape::persist_added(const TapeEntry& entry) {
  if (fs_ == nullptr || state_ == FileState::Unreadable) return;
  // The file keeps growing by one line a calculation; now and then it is cut to the tape.
  if (state_ == FileState::Behind || file_lines_ >= 2 * kLimit) {
    rewrite();
    return;
  }
  const FsResult appended = fs_->append_file(path_, tape_record(entry));
  if (!appended.ok) {
    state_ = FileState::Behind;
    set_note("历史记录文件无法写入，记录只保存在内存中：" + appended.error);
    return;
  }
  ++file_lines_;
}

void HistoryTape::rewrite() {
  if (fs_ == nullptr || state_ == FileState::Unreadable) return;
  std::string bytes;
  for (const TapeEntry& entry : entries_) bytes += tape_record(entry);
  const FsResult written = replace_file_atomically(*fs_, path_, bytes);
  if (!written.ok) {
    state_ = FileState::Behind;
    set_note("历史记录文件无法写入，记录只保存在内存中：" + written.error);
    return;
  }
  state_ = FileState::Fine;
  file_lines_ = entries_.size();
  set_note({});
}

void HistoryTape::set_note(std::string note) {
  if (note == note_) return;
  note_ = std::move(note);
  tell(TapeChange::Kind::Note);
}

void HistoryTape::tell(TapeChange::Kind kind, std::size_t index) {
  if (listener_) listener_({kind, index});
}

}  // namespace orvanta
