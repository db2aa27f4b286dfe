#pragma once
// The clipboard as text: written in the Unicode format (other programs then also see the ANSI
// form), read as Unicode text.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ports/clipboard.h"

namespace orvanta::win32 {

// Replaces the clipboard's contents with the text; false when the clipboard could not be had.
bool put_clipboard_text(HWND owner, std::wstring_view text);
bool put_clipboard_text(HWND owner, std::string_view utf8);

// The clipboard's text, at most `max_characters` characters of it; none when it holds no text
// or could not be opened. As UTF-8 also none when it holds a lone surrogate.
std::optional<std::wstring> read_clipboard_wide(HWND owner, std::size_t max_characters);
std::optional<std::string> read_clipboard_text(HWND owner, std::size_t max_characters);

// The core's Clipboard, owned by the window at `owner`.
class WindowClipboard : public Clipboard {
 public:
  explicit WindowClipboard(const HWND* owner) : owner_(owner) {}
  void set_text(std::string_view text) override { put_clipboard_text(*owner_, text); }

 private:
  const HWND* owner_;
};

}  // namespace orvanta::win32
