#pragma once
// The window's outline as a region: the mask's runs in the normal form, one rectangle in mini
// mode. Setting it re-registers nothing; the main window does that.
#include <windows.h>

#include <vector>

#include "face/screen_geometry.h"
#include "platform/handles_win32.h"

namespace orvanta::win32 {

// The union of `rects` (window coordinates, right and bottom exclusive) in one region; an empty
// region when there are none. nullptr only when GDI runs out.
UniqueRegion region_from_rects(const std::vector<Rect>& rects);

// Makes `region` the window's outline; the window owns it from then on. With redraw false the
// outline changes without an immediate repaint. False when Windows refuses it (the region is
// freed then).
bool set_outline(HWND window, UniqueRegion region, bool redraw);

}  // namespace orvanta::win32
