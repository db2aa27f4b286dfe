#include <windows.h>

#include "shell/ini_encoding.h"

namespace orvanta {
namespace {

constexpr UINT kGbkCodePage = 936;

std::optional<std::wstring> to_wide(std::string_view text, UINT code_page, DWORD flags) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(code_page, flags, text.data(), size, nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(code_page, flags, text.data(), size, wide.data(), length);
  return wide;
}

std::string from_wide(const std::wstring& wide, UINT code_page) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      ::WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(code_page, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace

std::optional<std::string> ini_decode(std::string_view gbk) {
  const std::optional<std::wstring> wide = to_wide(gbk, kGbkCodePage, MB_ERR_INVALID_CHARS);
  if (!wide) return std::nullopt;
  return from_wide(*wide, CP_UTF8);
}

std::string ini_encode(std::string_view utf8) {
  // Characters GBK lacks become the code page's default character, "?".
  return from_wide(to_wide(utf8, CP_UTF8, 0).value_or(std::wstring()), kGbkCodePage);
}

}  // namespace orvanta
