#include "win32/app/window_ports.h"

#include "platform/wide.h"
#include "win32/app/main_window.h"
#include "win32/system/clipboard_text.h"

namespace orvanta::win32 {

void WindowLcd::show(const LcdFrame& frame) {
  w_.draw_lcd(frame);
}

void WindowVoice::play(std::string_view token) {
  w_.play_voice(token);
}

void WindowClipboard::set_text(std::string_view text) {
  put_clipboard_text(*owner_, text);
}

void WindowFacePanels::show_base_strip(NumberBase base) {
  w_.show_base_strip(base);
}

void WindowFacePanels::show_constants_table() {
  w_.show_constants_table(true);
}

void WindowFacePanels::hide_constants_table() {
  w_.show_constants_table(false);
}

}  // namespace orvanta::win32
