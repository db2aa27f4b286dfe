// GBK through the Windows code page 936 tables. The code page is named explicitly: the
// settings file is GBK whatever the user's ANSI code page is.
#include <windows.h>

#include <climits>

#include "platform/text_encoding.h"
#include "platform/wide.h"

namespace orvanta {
namespace {

constexpr UINT kGbkCodePage = 936;

int checked_length(std::size_t size) {
  if (size > static_cast<std::size_t>(INT_MAX)) throw EncodingError("text too long to convert");
  return static_cast<int>(size);
}

// Some versions of the converter let a lead byte at the very end through as a character.
void check_no_lone_lead_byte_at_end(std::string_view gbk) {
  for (std::size_t i = 0; i < gbk.size(); ++i) {
    const auto byte = static_cast<unsigned char>(gbk[i]);
    if (byte < 0x81 || byte > 0xFE) continue;
    if (i + 1 == gbk.size()) throw EncodingError("truncated GBK character at the end");
    ++i;
  }
}

}  // namespace

std::string gbk_to_utf8(std::string_view gbk) {
  if (gbk.empty()) return {};
  check_no_lone_lead_byte_at_end(gbk);
  const int length = checked_length(gbk.size());
  const int needed =
      MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), length, nullptr, 0);
  if (needed <= 0) throw EncodingError("invalid GBK text");
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  if (MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), length, wide.data(),
                          needed) != needed) {
    throw EncodingError("invalid GBK text");
  }
  return from_wide(wide);
}

std::string utf8_to_gbk(std::string_view utf8) {
  const std::wstring wide = to_wide(utf8);
  if (wide.empty()) return {};
  const int length = checked_length(wide.size());
  // No best-fit look-alikes, and the default-character flag tells a character GBK lacks.
  BOOL used_default = FALSE;
  const int needed = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                         nullptr, 0, nullptr, &used_default);
  if (needed <= 0 || used_default) throw EncodingError("text has characters GBK cannot hold");
  std::string gbk(static_cast<std::size_t>(needed), '\0');
  if (WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, gbk.data(),
                          needed, nullptr, &used_default) != needed ||
      used_default) {
    throw EncodingError("text has characters GBK cannot hold");
  }
  return gbk;
}

}  // namespace orvanta
