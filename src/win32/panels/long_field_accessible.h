#pragma once
// What screen readers see of a long field: an editable (or read-only) text with its value, as an
// edit control shows itself. Everything else (name from the label, place, focus, navigation) is
// the standard object Windows makes for any window.
#include <windows.h>
// after windows.h
#include <oleacc.h>

namespace orvanta::win32 {

// The answer to WM_GETOBJECT for the field's client object (OBJID_CLIENT); 0 when it cannot be
// made, and DefWindowProc answers instead.
LRESULT answer_accessibility_request(HWND field, WPARAM wp);

}  // namespace orvanta::win32
