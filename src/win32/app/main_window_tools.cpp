// The tools beside the keypad as the main window shows them: the unit converter's window and
// the constants table.
#include "win32/app/main_window.h"

namespace orvanta::win32 {

void Tcomputer_qel::converter_key(MouseButton button) {
  const bool down = !converter_key_down_;
  converter_key_down_ = down;
  if (button != MouseButton::Left) return;
  if (down) {
    converter_window_.reset_column_widths();
    return;
  }
  if (converter_window_.showing()) {
    close_converter();
    return;
  }
  SetForegroundWindow(hwnd_);
  RECT main{};
  GetWindowRect(hwnd_, &main);
  converter_window_.show_at(main.left + TForm2::kBesideMainWindow);
}

void Tcomputer_qel::close_converter() {
  converter_window_.close();
}

void Tcomputer_qel::show_constants_table(bool show) {
  if (show) {
    constants_grid_.show();
  } else {
    constants_grid_.hide();
  }
}

}  // namespace orvanta::win32
