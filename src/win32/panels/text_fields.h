#pragma once
// The text fields of the formula and big-number panels: a long field with its label above it,
// texts of any length, Ctrl+A selecting all, and Enter reported to the panel.
#include <windows.h>

#include <functional>
#include <string>

#include "face/display_scale.h"

namespace orvanta::win32 {

inline constexpr int kFieldHeight = 21;
inline constexpr int kLabelHeight = 14;
inline constexpr int kLabelWidth = 90;

// A long field (win32/panels/long_field.h) at (left, top) of this width with `label` on the line
// above, the place given at 100 % and laid out at `scale`; `style` may add ES_READONLY, and
// Enter runs `on_enter` when one is given.
HWND create_labelled_field(HWND parent, const face::DisplayScale& scale, const wchar_t* label,
                           int left, int top, int width, int id, HFONT font, DWORD style = 0,
                           std::function<void()> on_enter = {});

// For an edit control: Ctrl+A selects the whole text (Windows 7's single-line edits do not do it
// by themselves), and Enter, which an edit ignores, runs `on_enter` when one is given. The
// function lives as long as the edit.
void take_field_keys(HWND edit, std::function<void()> on_enter = {});

// A new text for a field or an edit.
void set_field_text(HWND edit, const std::wstring& text);

}  // namespace orvanta::win32
