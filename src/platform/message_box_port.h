#pragma once
// Modal message boxes owned by the main window; the tests record them.
#include <string_view>

namespace orvanta {

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  // One OK button; returns when the user has closed the box.
  virtual void show_message(std::string_view caption, std::string_view text) = 0;
  // Yes and No buttons; true for Yes.
  virtual bool ask_yes_no(std::string_view caption, std::string_view text) = 0;
};

}  // namespace orvanta
