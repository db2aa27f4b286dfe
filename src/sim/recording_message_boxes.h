#pragma once
// The one recorder of message boxes, for orvanta-sim and the tests: keeps every box, prints
// "box <caption>: <text>" as it is raised when given a stream, and answers with the first
// button (Yes, OK) unless told to say No.
#include <ostream>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace orvanta::sim {

struct RecordingMessageBoxes : MessageBoxes {
  struct Box {
    std::string caption;
    std::string text;
    BoxIcon icon;
    BoxButtons buttons;
  };

  BoxAnswer show(std::string_view caption, std::string_view text, BoxIcon icon,
                 BoxButtons buttons) override {
    shown.push_back({std::string(caption), std::string(text), icon, buttons});
    if (out) *out << line(shown.back()) << "\n";
    switch (buttons) {
      case BoxButtons::YesNo:
        return answer_yes ? BoxAnswer::Yes : BoxAnswer::No;
      case BoxButtons::OkCancel:
      case BoxButtons::Ok:
        break;
    }
    return BoxAnswer::Ok;
  }

  // "box <caption>: <text>", line feeds and carriage returns written as \n and \r.
  static std::string line(const Box& box) {
    std::string text = "box " + box.caption + ": ";
    for (const char ch : box.text) {
      if (ch == '\n') {
        text += "\\n";
      } else if (ch == '\r') {
        text += "\\r";
      } else {
        text += ch;
      }
    }
    return text;
  }

  // Every box so far as "<caption>: <text>".
  std::vector<std::string> texts() const {
    std::vector<std::string> all;
    for (const Box& box : shown) all.push_back(box.caption + ": " + box.text);
    return all;
  }

  std::vector<Box> shown;
  bool answer_yes = true;
  std::ostream* out = nullptr;
};

}  // namespace orvanta::sim
