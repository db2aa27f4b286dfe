#include "tools/history/tape_record.h"

#include <algorithm>
#include <array>
#include <optional>

namespace orvanta {
namespace {

constexpr char kSeparator = '\t';
constexpr std::size_t kFields = 6;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct SourceCode {
  ResultSource source;
  std::string_view code;
};
constexpr SourceCode kSources[] = {{ResultSource::Equals, "="},
                                   {ResultSource::FormulaPanel, "F"},
                                   {ResultSource::Grab, "G"},
                                   {ResultSource::BigNumbers, "B"}};

struct BaseCode {
  NumberBase base;
  std::string_view code;
};
constexpr BaseCode kBases[] = {{NumberBase::Dec, "10"},
                               {NumberBase::Hex, "16"},
                               {NumberBase::Oct, "8"},
                               {NumberBase::Bin, "2"}};

void escape_into(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
}

std::optional<std::string> unescaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

// "2024-05-01 08:30:05"
bool is_time(std::string_view text) {
  static constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd";
  if (text.size() != kPattern.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) return false;
  }
  return true;
}

std::optional<TapeEntry> read_record(std::string_view line) {
  std::array<std::string_view, kFields> fields;
  std::size_t count = 0;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find(kSeparator, start);
    if (count == kFields) return std::nullopt;
    fields[count++] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (count != kFields || !is_time(fields[0])) return std::nullopt;
  TapeEntry entry;
  entry.time = fields[0];
  const auto source = std::find_if(std::begin(kSources), std::end(kSources),
                                   [&](const SourceCode& s) { return s.code == fields[1]; });
  const auto base = std::find_if(std::begin(kBases), std::end(kBases),
                                 [&](const BaseCode& b) { return b.code == fields[2]; });
  if (source == std::end(kSources) || base == std::end(kBases)) return std::nullopt;
  entry.source = source->source;
  entry.base = base->base;
  std::optional<std::string> calculation = unescaped(fields[3]);
  std::optional<std::string> result = unescaped(fields[4]);
  std::optional<std::string> value = unescaped(fields[5]);
  if (!calculation || !result || !value || calculation->empty() || result->empty()) {
    return std::nullopt;
  }
  entry.calculation = std::move(*calculation);
  entry.result = std::move(*result);
  entry.value = std::move(*value);
  return entry;
}

}  // namespace

std::string tape_record(const TapeEntry& entry) {
  std::string out;
  out.reserve(entry.time.size() + entry.calculation.size() + entry.result.size() +
              entry.value.size() + 16);
  out += entry.time;
  out += kSeparator;
  for (const SourceCode& s : kSources) {
    if (s.source == entry.source) out += s.code;
  }
  out += kSeparator;
  for (const BaseCode& b : kBases) {
    if (b.base == entry.base) out += b.code;
  }
  out += kSeparator;
  escape_into(out, shortened_numbers(entry.calculation, kKeptDigits));
  out += kSeparator;
  escape_into(out, shortened_numbers(entry.result, kKeptDigits));
  out += kSeparator;
  escape_into(out, entry.value);
  out += '\n';
  return out;
}

TapeRead read_tape(std::string_view bytes, std::size_t keep) {
  TapeRead read;
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) {
      read.torn = true;  // cut off while it was written
      ++read.lines;
      break;
    }
    std::string_view line = bytes.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  read.lines += lines.size();
  // From the newest back, so a long file reads only the records it keeps.
  for (auto it = lines.rbegin(); it != lines.rend() && read.entries.size() < keep; ++it) {
    if (std::optional<TapeEntry> entry = read_record(*it))
      read.entries.push_back(std::move(*entry));
  }
  std::reverse(read.entries.begin(), read.entries.end());
  return read;
}

}  // namespace orvanta
