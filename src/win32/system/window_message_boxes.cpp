#include "win32/system/window_message_boxes.h"

#include "platform/wide.h"

namespace orvanta::win32 {
namespace {

UINT icon_flag(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Error:
      return MB_ICONERROR;
    case BoxIcon::Warning:
      return MB_ICONWARNING;
    case BoxIcon::Information:
      return MB_ICONINFORMATION;
    case BoxIcon::Question:
      return MB_ICONQUESTION;
  }
  return 0;
}

UINT buttons_flag(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::Ok:
      return MB_OK;
    case BoxButtons::OkCancel:
      return MB_OKCANCEL;
    case BoxButtons::YesNo:
      return MB_YESNO;
  }
  return MB_OK;
}

}  // namespace

BoxAnswer WindowMessageBoxes::show(std::string_view caption, std::string_view text, BoxIcon icon,
                                   BoxButtons buttons) {
  const int answer = MessageBoxW(*owner_, to_wide(text).c_str(), to_wide(caption).c_str(),
                                 icon_flag(icon) | buttons_flag(buttons) | MB_TOPMOST);
  switch (answer) {
    case IDYES:
      return BoxAnswer::Yes;
    case IDNO:
      return BoxAnswer::No;
    case IDCANCEL:
      return BoxAnswer::Cancel;
    default:
      return BoxAnswer::Ok;
  }
}

}  // namespace orvanta::win32
