#include "settings/ini_encoding.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace orvanta {
namespace {

// The bytes of the character at the start of `utf8`: its lead byte and the continuation bytes
// that follow it, at most as many as the lead byte announces (a broken sequence never takes
// the next character with it).
size_t utf8_sequence_length(std::string_view utf8) {
  const auto lead = static_cast<unsigned char>(utf8.front());
  const size_t announced = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  size_t length = 1;
  while (length < announced && length < utf8.size() &&
         (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

// Most lines are plain ASCII, which GBK and UTF-8 share; skipping the converter for them
// keeps a whole-file read cheap.
bool is_ascii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool is_utf16(IniEncoding encoding) {
  return encoding == IniEncoding::Utf16Le || encoding == IniEncoding::Utf16Be;
}

std::u16string units_of(std::string_view bytes, bool big_endian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
  }
  return units;
}

std::string bytes_of(std::u16string_view units, bool big_endian) {
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

// One character of UTF-8 in the encoding; throws EncodingError when it has no place there.
std::string encode_strictly(std::string_view utf8, IniEncoding encoding) {
  switch (encoding) {
    case IniEncoding::Gbk:
      return utf8_to_gbk(utf8);
    case IniEncoding::Utf8:
      utf8_to_utf16(utf8);  // validates
      return std::string(utf8);
    case IniEncoding::Utf16Le:
    case IniEncoding::Utf16Be:
      return bytes_of(utf8_to_utf16(utf8), encoding == IniEncoding::Utf16Be);
  }
  return {};
}

}  // namespace

IniMark ini_mark(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {IniEncoding::Utf8, 3};
  if (bytes.starts_with("\xFF\xFE")) return {IniEncoding::Utf16Le, 2};
  if (bytes.starts_with("\xFE\xFF")) return {IniEncoding::Utf16Be, 2};
  return {};
}

std::optional<std::string> ini_decode(std::string_view bytes, IniEncoding encoding) {
  if (!is_utf16(encoding) && is_ascii(bytes)) return std::string(bytes);
  if (is_utf16(encoding) && bytes.size() % 2 != 0) return std::nullopt;
  try {
    switch (encoding) {
      case IniEncoding::Gbk:
        return gbk_to_utf8(bytes);
      case IniEncoding::Utf8:
        utf8_to_utf16(bytes);  // validates
        return std::string(bytes);
      case IniEncoding::Utf16Le:
      case IniEncoding::Utf16Be:
        return utf16_to_utf8(units_of(bytes, encoding == IniEncoding::Utf16Be));
    }
  } catch (const EncodingError&) {
  }
  return std::nullopt;
}

std::string ini_encode(std::string_view utf8, IniEncoding encoding) {
  if (!is_utf16(encoding) && is_ascii(utf8)) return std::string(utf8);
  try {
    return encode_strictly(utf8, encoding);
  } catch (const EncodingError&) {
  }
  // Rare: convert one character at a time so only the unconvertible ones are replaced.
  std::string out;
  while (!utf8.empty()) {
    const size_t length = utf8_sequence_length(utf8);
    try {
      out += encode_strictly(utf8.substr(0, length), encoding);
    } catch (const EncodingError&) {
      out += encode_strictly("?", encoding);
    }
    utf8.remove_prefix(length);
  }
  return out;
}

std::size_t ini_line_length(std::string_view bytes, IniEncoding encoding) {
  if (!is_utf16(encoding)) {
    const size_t end = bytes.find('\n');
    return end == std::string_view::npos ? bytes.size() : end + 1;
  }
  const bool big_endian = encoding == IniEncoding::Utf16Be;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    if (bytes[i + (big_endian ? 1 : 0)] == '\n' && bytes[i + (big_endian ? 0 : 1)] == '\0') {
      return i + 2;
    }
  }
  return bytes.size();
}

}  // namespace orvanta
