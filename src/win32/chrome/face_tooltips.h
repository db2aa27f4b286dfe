#pragma once
// The face's tooltips: each key's hint, the base selector's, and the LCD's, which the window
// gives on request (the display's own tooltip changes with every frame).
#include <windows.h>

#include "face/display_scale.h"

namespace orvanta::win32 {

// The tool id whose text arrives through TTN_GETDISPINFOW.
inline constexpr UINT_PTR kLcdToolId = 5000;

// Creates the tooltip control of `owner` with every tool; nullptr (traced) on failure.
HWND create_face_tooltips(HWND owner, const face::DisplayScale& scale);

}  // namespace orvanta::win32
