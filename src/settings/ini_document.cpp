#include "settings/ini_document.h"

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

}  // namespace

IniDocument IniDocument::from_bytes(std::string_view bytes) {
  IniDocument document;
  const IniMark mark = ini_mark(bytes);
  document.encoding_ = mark.encoding;
  document.mark_ = bytes.substr(0, mark.length);
  bytes.remove_prefix(mark.length);
  while (!bytes.empty()) {
    // 0x0A is never part of a GBK or UTF-8 character, nor a UTF-16 line feed part of another
    // unit, so lines split safely before decoding.
    const size_t length = ini_line_length(bytes, document.encoding_);
    document.lines_.push_back(document.parse_line(std::string(bytes.substr(0, length))));
    bytes.remove_prefix(length);
  }
  return document;
}

std::string IniDocument::to_bytes() const {
  std::string bytes = mark_;
  for (const Line& line : lines_) bytes += line.raw;
  return bytes;
}

IniDocument::Line IniDocument::parse_line(std::string raw) const {
  Line line;
  line.raw = std::move(raw);
  // A line that is not valid in the file's encoding is kept as it is but never matches a name.
  const std::optional<std::string> decoded = ini_decode(line.raw, encoding_);
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

IniDocument::Line IniDocument::encoded_line(std::string_view text,
                                            std::string_view line_break) const {
  return parse_line(ini_encode(text, encoding_) + ini_encode(line_break, encoding_));
}

bool IniDocument::ends_with_break(const std::string& raw) const {
  const std::string feed = ini_encode("\n", encoding_);
  return raw.size() % feed.size() == 0 && raw.ends_with(feed);
}

std::string_view IniDocument::break_of(const std::string& raw) const {
  if (!ends_with_break(raw)) return {};
  return raw.ends_with(ini_encode("\r\n", encoding_)) ? "\r\n" : "\n";
}

void IniDocument::end_line(Line& line, std::string_view line_break) const {
  if (ends_with_break(line.raw)) return;
  // A UTF-16 file cut after an odd byte: the unit is completed so what follows stays aligned.
  const std::string feed = ini_encode("\n", encoding_);
  if (line.raw.size() % feed.size() != 0)
    line.raw.append(feed.size() - line.raw.size() % feed.size(), '\0');
  line = parse_line(line.raw + ini_encode(line_break, encoding_));
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
    if (!lines_.empty()) end_line(lines_.back(), newline);
    lines_.push_back(encoded_line("[" + std::string(section) + "]", newline));
    lines_.push_back(encoded_line(std::string(key) + "=" + clean_value, newline));
    return;
  }

  size_t insert_at = range->first + 1;
  for (size_t i = range->first + 1; i < range->second; ++i) {
    Line& line = lines_[i];
    if (line.kind != Kind::Key) continue;
    if (same_name(line.name, key)) {
      line = encoded_line(line.name + "=" + clean_value, break_of(line.raw));
      return;
    }
    insert_at = i + 1;
  }
  Line& before = lines_[insert_at - 1];
  end_line(before, newline);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at),
                encoded_line(std::string(key) + "=" + clean_value, newline));
}

}  // namespace orvanta
