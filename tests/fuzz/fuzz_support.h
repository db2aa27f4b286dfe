#pragma once
// What the fuzz targets share: reading their input and failing an invariant loudly enough for
// libFuzzer (and the replay driver) to keep the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace orvanta::fuzz {

// Prints what broke and the text involved (bytes outside printable ASCII as \xNN), then
// aborts: libFuzzer saves the input, the replay names its file.
[[noreturn]] inline void fail(std::string_view what, std::string_view detail) {
  std::string shown;
  for (const char ch : detail) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x20 && byte < 0x7f) {
      shown += ch;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", byte);
      shown += hex;
    }
  }
  std::fprintf(stderr, "invariant broken: %.*s\n  %s\n", static_cast<int>(what.size()), what.data(),
               shown.c_str());
  std::abort();
}

inline void check(bool holds, std::string_view what, std::string_view detail) {
  if (!holds) fail(what, detail);
}

// The input read front to back; past its end every read gives zeros and empty texts.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }
  bool empty() const { return rest_.empty(); }
  // The text up to the first `separator` (which is consumed), or everything that is left.
  std::string_view text_until(char separator) {
    const std::size_t end = rest_.find(separator);
    const std::string_view text = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return text;
  }
  std::string_view rest() {
    const std::string_view text = rest_;
    rest_ = {};
    return text;
  }

 private:
  std::string_view rest_;
};

}  // namespace orvanta::fuzz

// Each target defines this; libFuzzer or the replay driver calls it once per input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
