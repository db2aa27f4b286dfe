// The settings document on any bytes: reading and writing back gives the same bytes, and after
// set(section, key, value) get gives the value as the private-profile rules read it (one line,
// trimmed, one pair of enclosing quotes gone), also after the bytes are read again. The input
// is the document, then optionally a NUL and "section\nkey\nvalue".
#include "fuzz/fuzz_support.h"
#include "settings/ini_document.h"

namespace {

using namespace orvanta;

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// Names the file can hold: printable ASCII without the characters that make a line a
// section, a comment or split a key from its value, and something left after trimming.
bool usable_name(std::string_view name) {
  if (trimmed(name).empty() || trimmed(name).front() == ';') return false;
  for (const char c : name) {
    if (c < 0x20 || c > 0x7e || c == '=' || c == '[' || c == ']') return false;
  }
  return true;
}

std::string value_as_read(std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  std::string_view text = trimmed(line);
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front()) {
    text = text.substr(1, text.size() - 2);
  }
  return std::string(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::string_view bytes = input.text_until('\0');
  IniDocument document = IniDocument::from_bytes(bytes);
  fuzz::check(document.to_bytes() == bytes, "the document does not write back byte for byte",
              bytes);
  if (input.empty()) return 0;

  const std::string_view section = input.text_until('\n');
  const std::string_view key = input.text_until('\n');
  const std::string_view value = input.rest();
  document.set(section, key, value);
  const std::string written = document.to_bytes();
  const IniDocument again = IniDocument::from_bytes(written);
  fuzz::check(again.to_bytes() == written, "a changed document does not write back", written);
  if (!usable_name(section) || !usable_name(key)) return 0;
  const std::optional<std::string> got = document.get(section, key);
  fuzz::check(got == again.get(section, key), "the value changed on the way through the file",
              written);
  // Values the file's encoding cannot hold come back with "?" in their place.
  bool plain = true;
  for (const char c : value) plain = plain && static_cast<unsigned char>(c) < 0x80;
  if (plain) {
    fuzz::check(got == value_as_read(value), "get does not give back what set stored",
                std::string(value) + " in " + written);
  } else {
    fuzz::check(got.has_value(), "a set key is missing", written);
  }
  return 0;
}
