#include "win32/system/clipboard_text.h"

#include <cstring>

#include "platform/wide.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

// Another program may hold the clipboard for a moment (the window below copying): a few short
// tries before giving up.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(10);
    }
    check(open_, L"OpenClipboard");
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace

bool put_clipboard_text(HWND owner, std::string_view utf8) {
  try {
    return put_clipboard_text(owner, std::wstring_view(to_wide(utf8)));
  } catch (const EncodingError&) {
    return false;
  }
}

bool put_clipboard_text(HWND owner, std::wstring_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!check(memory != nullptr, L"GlobalAlloc")) return false;
  void* p = GlobalLock(memory);
  if (!check(p != nullptr, L"GlobalLock")) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(p, text.data(), text.size() * sizeof(wchar_t));
  static_cast<wchar_t*>(p)[text.size()] = L'\0';
  GlobalUnlock(memory);
  const OpenedClipboard clipboard(owner);
  if (!clipboard || !check(EmptyClipboard() != FALSE, L"EmptyClipboard") ||
      !check(SetClipboardData(CF_UNICODETEXT, memory) != nullptr, L"SetClipboardData")) {
    GlobalFree(memory);
    return false;
  }
  return true;  // the clipboard owns the memory now
}

std::optional<std::wstring> read_clipboard_wide(HWND owner, std::size_t max_characters) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard) return std::nullopt;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return std::nullopt;
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (text == nullptr) return std::nullopt;
  // Never past the end of the block, even when the program that wrote it left out the NUL.
  const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  std::size_t units = 0;
  for (std::size_t characters = 0;
       units < capacity && text[units] != L'\0' && characters < max_characters; ++characters) {
    const bool pair = text[units] >= 0xD800 && text[units] < 0xDC00 && units + 1 < capacity &&
                      text[units + 1] >= 0xDC00 && text[units + 1] < 0xE000;
    units += pair ? 2 : 1;
  }
  std::wstring wide(text, units);
  GlobalUnlock(data);
  return wide;
}

std::optional<std::string> read_clipboard_text(HWND owner, std::size_t max_characters) {
  const std::optional<std::wstring> wide = read_clipboard_wide(owner, max_characters);
  if (!wide) return std::nullopt;
  try {
    return from_wide(*wide);
  } catch (const EncodingError&) {
    return std::nullopt;  // a lone surrogate: no text a formula could come from
  }
}

}  // namespace orvanta::win32
