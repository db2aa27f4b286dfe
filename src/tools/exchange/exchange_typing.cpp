#include "tools/exchange/exchange_typing.h"

#include <string>

#include "platform/text_encoding.h"

namespace orvanta {

namespace {

// The UTF-8 sequence starting at `i`: its lead byte and the continuation bytes after it.
std::string_view character_at(std::string_view utf8, std::size_t i) {
  std::size_t end = i + 1;
  while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
  return utf8.substr(i, end - i);
}

void append_gbk(std::vector<unsigned>& units, std::string_view character) {
  std::string bytes;
  try {
    bytes = utf8_to_gbk(character);
  } catch (const EncodingError&) {
    return;
  }
  if (bytes.size() == 2) {
    units.push_back(static_cast<unsigned char>(bytes[0]) * 256u +
                    static_cast<unsigned char>(bytes[1]));
  } else {
    for (const char byte : bytes) units.push_back(static_cast<unsigned char>(byte));
  }
}

}  // namespace

std::vector<unsigned> typed_units(std::string_view utf8, TargetCharset charset) {
  std::vector<unsigned> units;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::string_view character = character_at(utf8, i);
    i += character.size();
    if (charset == TargetCharset::Gbk) {
      append_gbk(units, character);
      continue;
    }
    try {
      for (const char16_t unit : utf8_to_utf16(character)) units.push_back(unit);
    } catch (const EncodingError&) {
      // Not UTF-8: nothing that stands for it is typed.
    }
  }
  return units;
}

}  // namespace orvanta
