#pragma once
// Port: a modal message box owned by the main window.
#include <string_view>

#include "formula/formula_host.h"  // BoxIcon

namespace orvanta {

enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows the box and returns the button the user chose.
  virtual BoxAnswer show(std::string_view caption, std::string_view text, BoxIcon icon,
                         BoxButtons buttons) = 0;
};

}  // namespace orvanta
