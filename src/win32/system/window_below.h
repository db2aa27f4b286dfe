#pragma once
// The window below the calculator: the first ordinary top-level window under it in the stacking
// order, and the control in it that takes typed text.
#include <windows.h>

namespace orvanta::win32 {

// FindTargetWindow: nullptr when there is none.
HWND find_window_below(bool skip_topmost);

// The control with the caret inside `target`, which is brought to the foreground for it: the
// control that the target's own thread gives the focus once it is active. When none shows up
// soon, this thread's input is attached to the target's, the target is given the focus and the
// window that then has it is taken. The target itself when no control of it takes the focus.
HWND control_with_caret(HWND target);

}  // namespace orvanta::win32
