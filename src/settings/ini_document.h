#pragma once
// An INI file held as its lines, read and changed with the Windows private-profile rules:
// section and key names match without regard to case and surrounding blanks, the first
// matching section and the first matching key in it win, values are trimmed and lose one
// pair of enclosing quotes. Changing a value rewrites only that line; every other line,
// unknown sections and comments included, comes back byte for byte.
//
// On disk the text is GBK; names and values here are UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

class IniDocument {
 public:
  IniDocument() = default;
  static IniDocument from_bytes(std::string_view bytes);
  std::string to_bytes() const;

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

  static Line parse_line(std::string raw);
  std::string_view line_break() const;
  // First line of the first section called `section` and the line after its last line.
  std::optional<std::pair<size_t, size_t>> find_section(std::string_view section) const;

  std::vector<Line> lines_;
};

}  // namespace orvanta
