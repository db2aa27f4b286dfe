// The text encodings on any bytes, read as UTF-8, UTF-16, GBK or the settings file in one of
// its encodings by the first byte: whatever one encoding accepts converts to the other and back
// unchanged, and the settings file's reading and writing agree with the strict converters and
// with each other.
#include "fuzz/fuzz_support.h"
#include "platform/text_encoding.h"
#include "settings/ini_encoding.h"

namespace {

using namespace orvanta;

template <class Convert>
auto converted(Convert convert) -> std::optional<decltype(convert())> {
  try {
    return convert();
  } catch (const EncodingError&) {
    return std::nullopt;
  }
}

std::string bytes_of(std::u16string_view units) {
  std::string bytes;
  for (const char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xff);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

void from_utf8(std::string_view text) {
  const auto utf16 = converted([&] { return utf8_to_utf16(text); });
  if (utf16) {
    fuzz::check(utf16_to_utf8(*utf16) == text, "UTF-8 -> UTF-16 -> UTF-8 changed the text", text);
  }
  const auto gbk = converted([&] { return utf8_to_gbk(text); });
  fuzz::check(!gbk || utf16, "GBK took text that is not UTF-8", text);
  if (gbk) {
    fuzz::check(gbk_to_utf8(*gbk) == text, "UTF-8 -> GBK -> UTF-8 changed the text", text);
    fuzz::check(ini_encode(text) == *gbk, "ini_encode differs from the strict converter", text);
  }
  // Whatever ini_encode writes, the settings reader can read.
  fuzz::check(ini_decode(ini_encode(text)).has_value(), "ini_encode wrote what ini_decode refuses",
              text);
}

void from_utf16(std::string_view bytes) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                   static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  const auto utf8 = converted([&] { return utf16_to_utf8(units); });
  if (utf8) {
    fuzz::check(utf8_to_utf16(*utf8) == units, "UTF-16 -> UTF-8 -> UTF-16 changed the text",
                bytes_of(units));
  }
}

void from_gbk(std::string_view bytes) {
  const auto utf8 = converted([&] { return gbk_to_utf8(bytes); });
  fuzz::check(ini_decode(bytes) == utf8, "ini_decode differs from the strict converter", bytes);
  if (utf8) {
    fuzz::check(utf8_to_gbk(*utf8) == bytes, "GBK -> UTF-8 -> GBK changed the bytes", bytes);
    fuzz::check(ini_encode(*utf8) == bytes, "ini_encode does not give the bytes back", bytes);
  }
}

// The settings file in any of its encodings: what decodes encodes back to the same bytes, and
// lines split where a whole line feed ends.
void as_settings_file(std::string_view bytes, IniEncoding encoding) {
  const std::optional<std::string> text = ini_decode(bytes, encoding);
  if (text) {
    fuzz::check(ini_encode(*text, encoding) == bytes, "the settings encoding does not round-trip",
                bytes);
  }
  const std::size_t line = ini_line_length(bytes, encoding);
  fuzz::check(line <= bytes.size() && (line > 0 || bytes.empty()), "a line of impossible length",
              bytes);
  fuzz::check(ini_decode(ini_encode(bytes, encoding), encoding).has_value(),
              "ini_encode wrote what ini_decode refuses", bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::uint8_t mode = input.byte();
  const std::string_view bytes = input.rest();
  switch (mode % 4) {
    case 0:
      from_utf8(bytes);
      break;
    case 1:
      from_utf16(bytes);
      break;
    case 2:
      from_gbk(bytes);
      break;
    default:
      as_settings_file(bytes, static_cast<IniEncoding>(mode / 4 % 4));
      break;
  }
  return 0;
}
