#include "platform/text_encoding.h"

#include <cstdint>

namespace orvanta {
namespace {

[[noreturn]] void fail(const char* what, std::size_t position) {
  throw EncodingError(std::string(what) + " at position " + std::to_string(position));
}

bool is_continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes the sequence at utf8[i], advancing i; rejects overlong forms, surrogates and
// values above U+10FFFF.
char32_t decode_utf8(std::string_view utf8, std::size_t& i) {
  const std::size_t start = i;
  const auto lead = static_cast<unsigned char>(utf8[i++]);
  if (lead < 0x80) return lead;
  int length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    fail("invalid UTF-8 lead byte", start);
  }
  for (int k = 1; k < length; ++k) {
    if (i >= utf8.size()) fail("truncated UTF-8 sequence", start);
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (!is_continuation(byte)) fail("truncated UTF-8 sequence", start);
    code = (code << 6) | (byte & 0x3F);
    ++i;
  }
  if (code < minimum) fail("overlong UTF-8 sequence", start);
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    fail("UTF-8 sequence is no Unicode character", start);
  }
  return code;
}

void append_utf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
    return;
  }
  if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
  } else {
    if (code < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (code >> 18)));
      out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    }
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
  }
  out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
}

}  // namespace

std::u16string utf8_to_utf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t code = decode_utf8(utf8, i);
    if (code < 0x10000) {
      out.push_back(static_cast<char16_t>(code));
    } else {
      out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
  }
  return out;
}

std::string utf16_to_utf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t code = utf16[i];
    if (code >= 0xDC00 && code <= 0xDFFF) fail("unpaired UTF-16 low surrogate", i);
    if (code >= 0xD800 && code <= 0xDBFF) {
      if (i + 1 >= utf16.size() || utf16[i + 1] < 0xDC00 || utf16[i + 1] > 0xDFFF) {
        fail("unpaired UTF-16 high surrogate", i);
      }
      code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    }
    append_utf8(out, code);
  }
  return out;
}

}  // namespace orvanta
