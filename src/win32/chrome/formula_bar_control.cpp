#include "win32/chrome/formula_bar_control.h"

#include "platform/wide.h"
#include "win32/panels/long_field.h"
#include "win32/system/base_window.h"
#include "win32/system/controls.h"
#include "win32/system/geometry.h"
#include "win32/system/win_check.h"

namespace orvanta::win32 {
namespace {

constexpr COLORREF kBarColour = to_colorref(face::kFormulaBarColour);
constexpr COLORREF kTextColour = to_colorref(face::kFormulaTextColour);

}  // namespace

bool FormulaBarControl::create(HWND parent, const face::DisplayScale& scale, Handlers handlers) {
  handlers_ = std::move(handlers);
  const face::Rect place = scale.rect(face::kFormulaBar);
  // A field of our own drawing, not an edit control: Wine's edit lays its line out again (through
  // Uniscribe) at every new text and again when it paints, which was a third of a key press.
  // Clipped by its siblings: a panel open above it stays whole when the bar is shown again.
  font_ = make_song_font(scale(12), FW_BOLD);  // 9 points
  edit_ = create_long_field(parent, to_rect(place), 0, font_.get(), WS_CLIPSIBLINGS | ES_READONLY);
  if (!check(edit_ != nullptr, L"create_long_field (formula bar)")) return false;
  brush_.reset(CreateSolidBrush(kBarColour));
  // Enter is swallowed; every other key asks the core first.
  return subclass_control(edit_,
                          [this](HWND, UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                            if (msg != WM_KEYDOWN && msg != WM_CHAR) return std::nullopt;
                            if (wp == VK_RETURN || (msg == WM_CHAR && wp == L'\r')) return 0;
                            if (msg == WM_KEYDOWN) {
                              if (!handlers_.key_allowed()) return 0;
                              key_pending_ = true;
                            }
                            return std::nullopt;
                          });
}

void FormulaBarControl::rescale(const face::DisplayScale& scale) {
  if (edit_ == nullptr) return;
  const face::Rect place = scale.rect(face::kFormulaBar);
  UniqueFont font = make_song_font(scale(12), FW_BOLD);
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  font_ = std::move(font);
  check(SetWindowPos(edit_, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE) != FALSE,
        L"SetWindowPos (formula bar)");
}

void FormulaBarControl::show(bool shown) {
  if (!shown) {
    ShowWindow(edit_, SW_HIDE);
    return;
  }
  // Below every open panel.
  check(SetWindowPos(edit_, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW) != FALSE,
        L"SetWindowPos (formula bar)");
}

bool FormulaBarControl::parent_message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (edit_ == nullptr || reinterpret_cast<HWND>(lp) != edit_) return false;
  switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, kTextColour);
      SetBkColor(dc, kBarColour);
      result = reinterpret_cast<LRESULT>(brush_.get());
      return true;
    }
    case WM_COMMAND:
      if (HIWORD(wp) != EN_CHANGE) return false;
      if (!setting_) shown_text_.reset();
      if (key_pending_) {
        key_pending_ = false;
        handlers_.changed(text());
      }
      result = 0;
      return true;
  }
  return false;
}

void FormulaBarControl::set_text(std::string_view text) {
  // The same text again would still be laid out and painted.
  std::wstring wide = to_wide(text);
  if (shown_text_ && wide == *shown_text_) return;
  setting_ = true;
  SetWindowTextW(edit_, wide.c_str());
  setting_ = false;
  shown_text_ = std::move(wide);
}

std::string FormulaBarControl::text() const {
  return window_text_utf8(edit_);
}

void FormulaBarControl::set_read_only(bool read_only) {
  SendMessageW(edit_, EM_SETREADONLY, read_only ? TRUE : FALSE, 0);
}

}  // namespace orvanta::win32
