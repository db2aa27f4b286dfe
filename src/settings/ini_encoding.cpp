#include "settings/ini_encoding.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace orvanta {
namespace {

size_t utf8_sequence_length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Most lines are plain ASCII, which both encodings share; skipping the converter for them
// keeps a whole-file read cheap.
bool is_ascii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::optional<std::string> ini_decode(std::string_view gbk) {
  if (is_ascii(gbk)) return std::string(gbk);
  try {
    return gbk_to_utf8(gbk);
  } catch (const EncodingError&) {
    return std::nullopt;
  }
}

std::string ini_encode(std::string_view utf8) {
  if (is_ascii(utf8)) return std::string(utf8);
  try {
    return utf8_to_gbk(utf8);
  } catch (const EncodingError&) {
  }
  // Rare: convert one character at a time so only the unconvertible ones are replaced.
  std::string gbk;
  while (!utf8.empty()) {
    const size_t length =
        std::min(utf8.size(), utf8_sequence_length(static_cast<unsigned char>(utf8.front())));
    try {
      gbk += utf8_to_gbk(utf8.substr(0, length));
    } catch (const EncodingError&) {
      gbk += '?';
    }
    utf8.remove_prefix(length);
  }
  return gbk;
}

}  // namespace orvanta
