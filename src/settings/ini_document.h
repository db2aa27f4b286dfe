#pragma once
// An INI file held as its lines, read and changed with the Windows private-profile rules:
// section and key names match without regard to case and surrounding blanks, the first
// matching section and the first matching key in it win, values are trimmed and lose one
// pair of enclosing quotes. Changing a value rewrites only that line; every other line,
// unknown sections and comments included, comes back byte for byte.
//
// On disk the text is GBK, or UTF-8 or UTF-16 after a byte-order mark, which the document keeps
// along with its encoding; names and values here are UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_encoding.h"

namespace orvanta {

class IniDocument {
 public:
  IniDocument() = default;
  static IniDocument from_bytes(std::string_view bytes);
  std::string to_bytes() const;
  IniEncoding encoding() const { return encoding_; }

  // The value as GetPrivateProfileString returns it; nullopt when the key is absent (a line
  // without "=" holds no value).
  std::optional<std::string> get(std::string_view section, std::string_view key) const;

  // As WritePrivateProfileString: replaces the first matching key, or adds the key after the
  // last key of the first matching section, or adds the section at the end of the file. Line
  // breaks in the value become blanks so a value can never add lines of its own.
  void set(std::string_view section, std::string_view key, std::string_view value);

 private:
  enum class Kind { Section, Key, Other };
  struct Line {
    std::string raw;  // as on disk, line break included
    Kind kind = Kind::Other;
    std::string name;   // section or key name, trimmed
    std::string value;  // key value, trimmed, quotes kept
  };

  Line parse_line(std::string raw) const;
  // The text of a line with its break, in the file's encoding.
  Line encoded_line(std::string_view text, std::string_view line_break) const;
  bool ends_with_break(const std::string& raw) const;
  // Gives a line without a break the file's break, so that a line can follow it.
  void end_line(Line& line, std::string_view line_break) const;
  // "\r\n" or "\n" as the raw line ends, empty when it has no break.
  std::string_view break_of(const std::string& raw) const;
  std::string_view line_break() const;
  // First line of the first section called `section` and the line after its last line.
  std::optional<std::pair<size_t, size_t>> find_section(std::string_view section) const;

  IniEncoding encoding_ = IniEncoding::Gbk;
  std::string mark_;  // the byte-order mark the file started with
  std::vector<Line> lines_;
};

}  // namespace orvanta
