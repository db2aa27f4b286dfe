#pragma once
// Small helpers the panels share: the Chinese UI font, child controls laid out from tables, and
// tooltips.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/handles_win32.h"

namespace orvanta::win32 {

// Registers a window class of this program once; true when it is (or already was) registered.
bool register_window_class(const wchar_t* name, WNDPROC proc, HBRUSH background = nullptr,
                           HICON icon = nullptr, UINT style = 0, const wchar_t* cursor = IDC_ARROW,
                           HICON small_icon = nullptr);

// The look of a panel over the face: one colour with a raised edge, and its labels, check boxes
// and group boxes on that colour.
class PanelLook {
 public:
  explicit PanelLook(COLORREF colour) : colour_(colour), brush_(CreateSolidBrush(colour)) {}
  // Background erasing (also for themed controls, which ask through WM_PRINTCLIENT) and the
  // control colours; true when `msg` was one of these, with its answer in `result`.
  bool handle(HWND panel, UINT msg, WPARAM wp, LRESULT& result) const;

 private:
  void paint_background(HWND panel, HDC dc) const;
  COLORREF colour_;
  UniqueBrush brush_;
};

// Answers WM_PAINT: `draw` paints the part of the client area that needs it, in client
// coordinates, into a bitmap that is then copied to the screen in one piece (no flicker).
void paint_off_screen(HWND window, const std::function<void(HDC, const RECT& area)>& draw);

// "宋体" at the given pixel height (character height, as the face's fonts are given).
UniqueFont make_song_font(int pixel_height, int weight = FW_NORMAL);

// Creates a child control with the font set; nullptr (and a debug trace) on failure.
HWND create_child(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style,
                  RECT bounds, int id, HFONT font);

// A tooltip that shows `text` while the mouse rests on `tool`, a child of `owner`. The owner
// destroys it when it is destroyed itself (a tooltip is a pop-up, not a child).
HWND add_tooltip(HWND owner, HWND tool, const wchar_t* text);

// The control's text, and the same in UTF-8; empty when it does not convert (a lone surrogate
// pasted in).
std::wstring window_text(HWND window);
std::string window_text_utf8(HWND window);

}  // namespace orvanta::win32
