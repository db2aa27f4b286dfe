#include "win32/window/window_shape.h"

#include <cstring>

#include "win32/system/win_check.h"

namespace orvanta::win32 {

UniqueRegion region_from_rects(const std::vector<Rect>& rects) {
  if (rects.empty()) return UniqueRegion(check_handle(CreateRectRgn(0, 0, 0, 0), L"CreateRectRgn"));
  // One region from all rectangles at once: combining them one by one would rebuild the region
  // for every run of the mask.
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof header;
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(rects.size());
  header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  header.rcBound = {rects.front().left, rects.front().top, rects.front().right,
                    rects.front().bottom};
  std::vector<RECT> win_rects;
  win_rects.reserve(rects.size());
  for (const Rect& r : rects) {
    win_rects.push_back({r.left, r.top, r.right, r.bottom});
    RECT& bound = header.rcBound;
    if (r.left < bound.left) bound.left = r.left;
    if (r.top < bound.top) bound.top = r.top;
    if (r.right > bound.right) bound.right = r.right;
    if (r.bottom > bound.bottom) bound.bottom = r.bottom;
  }
  std::memcpy(buffer.data(), &header, sizeof header);
  std::memcpy(buffer.data() + sizeof header, win_rects.data(), header.nRgnSize);
  const HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()),
                                      reinterpret_cast<const RGNDATA*>(buffer.data()));
  return UniqueRegion(check_handle(region, L"ExtCreateRegion"));
}

bool set_outline(HWND window, UniqueRegion region, bool redraw) {
  if (!region) return false;
  if (!check(SetWindowRgn(window, region.get(), redraw ? TRUE : FALSE) != 0, L"SetWindowRgn")) {
    return false;  // still ours: freed on return
  }
  region.release();  // the system owns it now
  return true;
}

}  // namespace orvanta::win32
