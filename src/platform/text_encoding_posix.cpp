// GBK through iconv, for the Linux build of the core and its tests.
#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "platform/text_encoding.h"

namespace orvanta {
namespace {

class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw EncodingError(std::string("no converter from ") + from + " to " + to);
    }
  }
  ~IconvHandle() { iconv_close(handle_); }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

// No "//TRANSLIT" or "//IGNORE": an unconvertible character must fail, not be replaced.
std::string convert(std::string_view input, const char* to, const char* from) {
  IconvHandle converter(to, from);
  std::string out(input.size() * 2 + 16, '\0');
  // iconv takes a non-const input pointer but does not write through it.
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  std::size_t written = 0;
  while (in_left > 0) {
    char* out_ptr = out.data() + written;
    std::size_t out_left = out.size() - written;
    const std::size_t result = iconv(converter.get(), &in, &in_left, &out_ptr, &out_left);
    written = out.size() - out_left;
    if (result != static_cast<std::size_t>(-1)) break;
    const auto position = std::to_string(input.size() - in_left);
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
    } else if (errno == EILSEQ) {
      throw EncodingError(std::string("text cannot be converted from ") + from + " to " + to +
                          " at position " + position);
    } else if (errno == EINVAL) {
      throw EncodingError(std::string("truncated ") + from + " sequence at position " + position);
    } else {
      throw EncodingError(std::string("conversion failed: ") + std::strerror(errno));
    }
  }
  out.resize(written);
  return out;
}

}  // namespace

std::string utf8_to_gbk(std::string_view utf8) {
  // Validate first so bad UTF-8 reports the same error as on Windows.
  utf8_to_utf16(utf8);
  return convert(utf8, "GBK", "UTF-8");
}

std::string gbk_to_utf8(std::string_view gbk) {
  return convert(gbk, "UTF-8", "GBK");
}

}  // namespace orvanta
