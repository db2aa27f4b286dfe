#pragma once
// Port: the system clipboard (text).
#include <string_view>

namespace orvanta {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void set_text(std::string_view text) = 0;
};

}  // namespace orvanta
