#pragma once
// The message-box port: modal MessageBoxW boxes owned by the main window, kept on top like it.
#include <windows.h>

#include "platform/message_boxes.h"

namespace orvanta::win32 {

class WindowMessageBoxes : public MessageBoxes {
 public:
  // `owner` is where the owning window's handle will be (it exists only once the window does).
  explicit WindowMessageBoxes(const HWND* owner) : owner_(owner) {}
  BoxAnswer show(std::string_view caption, std::string_view text, BoxIcon icon,
                 BoxButtons buttons) override;

 private:
  const HWND* owner_;
};

}  // namespace orvanta::win32
