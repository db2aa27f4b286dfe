#include "settings/ini_document.h"

#include "settings/ini_encoding.h"

namespace orvanta {
namespace {

// The blanks the private-profile functions skip; 0x1A is the old end-of-file mark.
bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// UTF-8 never uses ASCII bytes inside a multi-byte character, so folding bytes is safe.
bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
  }
  return true;
}

std::string_view strip_quotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string single_line(std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

bool ends_with_break(const std::string& raw) {
  return !raw.empty() && raw.back() == '\n';
}

std::string_view break_of(const std::string& raw) {
  if (!ends_with_break(raw)) return {};
  return raw.size() >= 2 && raw[raw.size() - 2] == '\r' ? "\r\n" : "\n";
}

}  // namespace

IniDocument IniDocument::from_bytes(std::string_view bytes) {
  IniDocument document;
  while (!bytes.empty()) {
    // 0x0A is never part of a GBK character, so lines split safely before decoding.
    const size_t end = bytes.find('\n');
    const size_t length = end == std::string_view::npos ? bytes.size() : end + 1;
    document.lines_.push_back(parse_line(std::string(bytes.substr(0, length))));
    bytes.remove_prefix(length);
  }
  return document;
}

std::string IniDocument::to_bytes() const {
  std::string bytes;
  for (const Line& line : lines_) bytes += line.raw;
  return bytes;
}

IniDocument::Line IniDocument::parse_line(std::string raw) {
  Line line;
  line.raw = std::move(raw);
  // A line that is not valid GBK is kept as it is but never matches a name.
  const std::optional<std::string> decoded = ini_decode(line.raw);
  if (!decoded) return line;
  const std::string_view text = trim(*decoded);
  if (text.empty() || text.front() == ';') return line;
  if (text.front() == '[') {
    const size_t close = text.rfind(']');
    if (close != std::string_view::npos) {
      line.kind = Kind::Section;
      line.name = trim(text.substr(1, close - 1));
      return line;
    }
  }
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos) return line;
  line.kind = Kind::Key;
  line.name = trim(text.substr(0, equals));
  line.value = trim(text.substr(equals + 1));
  return line;
}

std::string_view IniDocument::line_break() const {
  if (!lines_.empty() && ends_with_break(lines_.front().raw)) return break_of(lines_.front().raw);
  return "\r\n";
}

std::optional<std::pair<size_t, size_t>> IniDocument::find_section(std::string_view section) const {
  section = trim(section);
  for (size_t first = 0; first < lines_.size(); ++first) {
    if (lines_[first].kind != Kind::Section || !same_name(lines_[first].name, section)) continue;
    size_t end = first + 1;
    while (end < lines_.size() && lines_[end].kind != Kind::Section) ++end;
    return std::pair{first, end};
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
  const auto range = find_section(section);
  if (!range) return std::nullopt;
  key = trim(key);
  for (size_t i = range->first + 1; i < range->second; ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Key && same_name(line.name, key)) {
      return std::string(strip_quotes(line.value));
    }
  }
  return std::nullopt;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  section = trim(section);
  key = trim(key);
  const std::string clean_value = single_line(value);
  const std::string newline(line_break());

  const auto range = find_section(section);
  if (!range) {
    if (!lines_.empty() && !ends_with_break(lines_.back().raw)) lines_.back().raw += newline;
    lines_.push_back(parse_line(ini_encode("[" + std::string(section) + "]") + newline));
    lines_.push_back(parse_line(ini_encode(std::string(key) + "=" + clean_value) + newline));
    return;
  }

  size_t insert_at = range->first + 1;
  for (size_t i = range->first + 1; i < range->second; ++i) {
    Line& line = lines_[i];
    if (line.kind != Kind::Key) continue;
    if (same_name(line.name, key)) {
      const std::string old_break(break_of(line.raw));
      line = parse_line(ini_encode(line.name + "=" + clean_value) + old_break);
      return;
    }
    insert_at = i + 1;
  }
  Line& before = lines_[insert_at - 1];
  if (!ends_with_break(before.raw)) before.raw += newline;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at),
                parse_line(ini_encode(std::string(key) + "=" + clean_value) + newline));
}

}  // namespace orvanta
