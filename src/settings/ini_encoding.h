#pragma once
// The settings file's encodings on both builds, whatever the system locale: GBK (code page
// 936), as the file is normally written, or UTF-8 or UTF-16 when the file starts with their
// byte-order mark (as an editor may save it). A file keeps its own encoding when written.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

enum class IniEncoding { Gbk, Utf8, Utf16Le, Utf16Be };

// The encoding the first bytes of a file name, and the length of that mark (0 for GBK).
struct IniMark {
  IniEncoding encoding = IniEncoding::Gbk;
  std::size_t length = 0;
};
IniMark ini_mark(std::string_view bytes);

// nullopt when the bytes are not valid in the encoding.
std::optional<std::string> ini_decode(std::string_view bytes,
                                      IniEncoding encoding = IniEncoding::Gbk);

// Characters the encoding lacks, and bytes that are not UTF-8, become "?" (Windows writes its
// default character for them too).
std::string ini_encode(std::string_view utf8, IniEncoding encoding = IniEncoding::Gbk);

// The length of the first line of `bytes`, its line feed included (a UTF-16 line feed is one
// whole code unit); all of `bytes` when there is none.
std::size_t ini_line_length(std::string_view bytes, IniEncoding encoding);

}  // namespace orvanta
