#pragma once
// The help document: UTF-8 text in the module's resources (RCDATA "HELPTEXT"), shown in a
// Windows edit control.
#include <windows.h>

#include <string>
#include <string_view>

namespace orvanta::win32 {

// The help text of `module` as UTF-16 with CRLF line ends; empty when the resource is missing
// or is not UTF-8.
std::wstring load_help_text(HMODULE module);

// UTF-8 text (a byte-order mark is dropped) to UTF-16 with every line ending in CRLF.
// Throws EncodingError for text that is not UTF-8.
std::wstring help_text_for_edit(std::string_view utf8);

}  // namespace orvanta::win32
