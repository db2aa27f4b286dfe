#pragma once
// The alarm page's time field: an edit with the mask "!99:99:99". Digits overwrite the places of
// the hours, minutes and seconds in turn, stepping over the ":"s, so six digits fill hh:mm:ss; a
// typed ":" ends its pair and moves on to the next; Backspace, Delete and Cut blank places
// ("_"); a paste is typed. The field selects its whole text when it takes the focus, so typing
// starts a new time. What the text means is read_time_field's, when the field loses the focus.
#include <windows.h>

namespace orvanta::win32 {

HWND create_time_field(HWND parent, RECT bounds, int id, HFONT font);

}  // namespace orvanta::win32
