#pragma once
// Text encodings at the program's edges: UTF-8 inside, UTF-16 for the Windows API, GBK (code
// page 936) for the settings file. Every conversion is strict: input that is not valid in its
// encoding, or a character the target cannot hold, throws EncodingError; nothing is replaced
// by "?" or a look-alike.
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvanta {

struct EncodingError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Same on every build (no platform converter involved).
std::u16string utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view utf16);

// Code page 936 as Windows defines it; iconv's GBK on other systems. The two agree on every
// assigned character; only Windows maps the user-defined areas (A140-A7A0, AAA1-AFFE,
// F8A1-FEFE, ...) to private-use characters where iconv refuses them.
std::string utf8_to_gbk(std::string_view utf8);
std::string gbk_to_utf8(std::string_view gbk);

}  // namespace orvanta
