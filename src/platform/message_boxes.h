#pragma once
// Port: modal message boxes owned by the main window. The settings file, the calculator and the
// formula evaluator all report through it; the window shows real boxes, orvanta-sim and the
// tests record them (sim/recording_message_boxes.h).
#include <string_view>

namespace orvanta {

enum class BoxIcon { Error, Warning, Information, Question };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows the box and returns the button the user chose once it is closed.
  virtual BoxAnswer show(std::string_view caption, std::string_view text, BoxIcon icon,
                         BoxButtons buttons) = 0;

  // Yes and No with the question icon; true for Yes.
  bool ask_yes_no(std::string_view caption, std::string_view text) {
    return show(caption, text, BoxIcon::Question, BoxButtons::YesNo) == BoxAnswer::Yes;
  }
};

}  // namespace orvanta
