#pragma once
// A one-line field for numbers of any length: the big-number panel's operands and result.
// Wine's edit and rich-edit controls lay the whole line out again at every change, so a line of
// 100,000 characters costs seconds there and one of a million most of an hour. This field
// measures each character once when the text is set and draws only the part in view.
//
// It answers the edit messages the panels, the clipboard and the tests use: WM_SETTEXT,
// WM_GETTEXT, WM_GETTEXTLENGTH, EM_GETSEL, EM_SETSEL, EM_REPLACESEL, EM_SETREADONLY, WM_COPY,
// WM_CUT, WM_PASTE, WM_CLEAR, WM_UNDO and EM_UNDO; it tells its parent of every change with
// EN_CHANGE and asks it for its colours with WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC when read-only),
// as an edit does. ES_READONLY makes it a view that can still be selected and copied.
#include <windows.h>

#include <functional>

namespace orvanta::win32 {

// A field at `bounds` in `parent`; `style` adds its window styles (WS_BORDER for a thin border,
// WS_TABSTOP, WS_CLIPSIBLINGS) and may add ES_READONLY. Ctrl+A selects everything; Enter runs
// `on_enter` when one is given.
HWND create_long_field(HWND parent, RECT bounds, int id, HFONT font, DWORD style = 0,
                       std::function<void()> on_enter = {});

}  // namespace orvanta::win32
