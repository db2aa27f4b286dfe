#include "win32/app/window_ports.h"

#include "platform/wide.h"
#include "win32/app/main_window.h"

namespace orvanta::win32 {

void WindowLcd::show(const LcdFrame& frame) {
  w_.draw_lcd(frame);
}

void WindowFormulaBar::set_text(std::string_view text) {
  w_.set_formula_text(text);
}
std::string WindowFormulaBar::text() const {
  return w_.formula_text();
}
void WindowFormulaBar::set_read_only(bool read_only) {
  w_.set_formula_read_only(read_only);
}

void WindowVoice::play(std::string_view token) {
  w_.play_voice(token);
}

BoxAnswer WindowMessageBoxes::show(std::string_view caption, std::string_view text, BoxIcon icon,
                                   BoxButtons buttons) {
  return w_.message_box(caption, text, icon, buttons);
}

void WindowClipboard::set_text(std::string_view text) {
  const std::wstring wide = to_wide(text);
  if (!OpenClipboard(*owner_)) return;
  EmptyClipboard();
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* p = GlobalLock(mem)) {
      memcpy(p, wide.c_str(), bytes);
      GlobalUnlock(mem);
      if (SetClipboardData(CF_UNICODETEXT, mem) == nullptr) GlobalFree(mem);
    } else {
      GlobalFree(mem);
    }
  }
  CloseClipboard();
}

void WindowSettingsBoxes::show_message(std::string_view caption, std::string_view text) {
  w_.message_box(caption, text, BoxIcon::Warning, BoxButtons::Ok);
}

bool WindowSettingsBoxes::ask_yes_no(std::string_view caption, std::string_view text) {
  return w_.message_box(caption, text, BoxIcon::Question, BoxButtons::YesNo) == BoxAnswer::Yes;
}

void WindowFacePanels::show_base_strip(NumberBase base) {
  w_.show_base_strip(base);
}

}  // namespace orvanta::win32
