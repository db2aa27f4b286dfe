#include <iconv.h>

#include <algorithm>
#include <cerrno>

#include "shell/ini_encoding.h"

namespace orvanta {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(::iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) ::iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; stops at the first byte sequence it cannot convert and
  // leaves `in` pointing there. False on such a stop.
  bool convert(std::string_view& in, std::string& out) {
    char buffer[256];
    while (!in.empty()) {
      char* source = const_cast<char*>(in.data());
      size_t source_left = in.size();
      char* target = buffer;
      size_t target_left = sizeof buffer;
      const size_t result = ::iconv(handle_, &source, &source_left, &target, &target_left);
      out.append(buffer, static_cast<size_t>(target - buffer));
      in.remove_prefix(in.size() - source_left);
      if (result == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t handle_;
};

size_t utf8_length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::optional<std::string> ini_decode(std::string_view gbk) {
  Converter converter("UTF-8", "CP936");
  std::string utf8;
  if (!converter.valid() || !converter.convert(gbk, utf8)) return std::nullopt;
  return utf8;
}

std::string ini_encode(std::string_view utf8) {
  Converter converter("CP936", "UTF-8");
  std::string gbk;
  if (!converter.valid()) return gbk;
  while (!converter.convert(utf8, gbk)) {
    gbk += '?';
    utf8.remove_prefix(std::min(utf8.size(), utf8_length(static_cast<unsigned char>(utf8[0]))));
  }
  return gbk;
}

}  // namespace orvanta
