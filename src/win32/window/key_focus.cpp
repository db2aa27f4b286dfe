#include "win32/window/key_focus.h"

#include "face/face_layout.h"
#include "platform/handles_win32.h"
#include "win32/system/geometry.h"

namespace orvanta::win32 {
namespace {

bool high_contrast() {
  HIGHCONTRASTW hc{sizeof hc, 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) != FALSE &&
         (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

RECT KeyFocus::mark_rect(int key) const {
  RECT r = to_rect(scale_.rect(face::kFaceKeys[static_cast<size_t>(key)].rect));
  InflateRect(&r, 1, 1);
  return r;
}

void KeyFocus::move(face::KeyStep step) {
  invalidate();
  key_ = face::step_key_focus(key_, step);
  invalidate();
  // Screen readers follow the focus from key to key.
  NotifyWinEvent(EVENT_OBJECT_FOCUS, *owner_, OBJID_CLIENT, key_ + 1);
}

void KeyFocus::hide() {
  invalidate();
  key_ = -1;
}

void KeyFocus::invalidate() const {
  if (key_ < 0 || *owner_ == nullptr) return;
  RECT r = mark_rect(key_);
  InflateRect(&r, 1, 1);
  InvalidateRect(*owner_, &r, FALSE);
}

void KeyFocus::draw(HDC dc) const {
  if (key_ < 0) return;
  RECT r = mark_rect(key_);
  if (high_contrast()) {
    // Two pixels in the highlight colour the user chose.
    const HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHT);
    FrameRect(dc, &r, brush);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, brush);
    return;
  }
  // A dotted frame twice, so it shows on the light and the dark parts of the face alike.
  DrawFocusRect(dc, &r);
  InflateRect(&r, -2, -2);
  DrawFocusRect(dc, &r);
}

}  // namespace orvanta::win32
