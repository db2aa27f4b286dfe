#pragma once
// UTF-8 <-> the Windows API's wide strings. wchar_t is 16 bits on Windows, so these are the
// portable UTF-16 conversions with the element type the API wants.
#include <string>
#include <string_view>

#include "platform/text_encoding.h"

namespace orvanta {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

inline std::wstring to_wide(std::string_view utf8) {
  const std::u16string utf16 = utf8_to_utf16(utf8);
  return std::wstring(utf16.begin(), utf16.end());
}

inline std::string from_wide(std::wstring_view wide) {
  const std::u16string utf16(wide.begin(), wide.end());
  return utf16_to_utf8(utf16);
}

}  // namespace orvanta
