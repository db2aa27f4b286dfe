#pragma once
// The text fields of the formula and big-number panels: an edit with its label above it (a
// labelled edit), texts of any length, Ctrl+A selecting all, and Enter reported to the panel.
#include <windows.h>

#include <functional>
#include <string>

namespace orvanta::win32 {

inline constexpr int kFieldHeight = 21;
inline constexpr int kLabelHeight = 14;
inline constexpr int kLabelWidth = 90;

// `label` on the line above a field at (left, top).
void create_field_label(HWND parent, const wchar_t* label, int left, int top, HFONT font);

// An edit at (left, top) of this width with `label` on the line above; `extra_style` adds
// ES_READONLY and the like. The edit takes texts of any length (a single-line edit stops at
// 32,767 characters unless told otherwise).
HWND create_labelled_edit(HWND parent, const wchar_t* label, int left, int top, int width, int id,
                          HFONT font, DWORD extra_style = 0);

// Ctrl+A selects the whole text (Windows 7's single-line edits do not do it by themselves), and
// Enter, which an edit ignores, runs `on_enter` when one is given. The function lives as long as
// the edit.
void take_field_keys(HWND edit, std::function<void()> on_enter = {});

// A new text for the edit.
void set_field_text(HWND edit, const std::wstring& text);

}  // namespace orvanta::win32
